// Start-up, closing and a player change step by step: what is heard, boxed and saved, in order.
#include "tests/HandlerSteps.h"

namespace zarvelo::testing {
namespace {

TEST_F(HandlerStepsTest, ClosingWarnsAboutALiveStakeBeforeSavingTheRecord) {
    struct Case {
        const char* name;
        std::function<void()> reach;
        bool warns;
        Counter saved;
        Counter games;
    };
    const Case cases[] = {
        {"nothing staked", [&] { StartUp(); }, false, 100, 1},
        {"three units staked",
         [&] {
             MainForm& f = StartUp();
             for (int i = 0; i < 3; ++i) Press(f.CommandBet);
         },
         true, 97, 1},
        {"a game with a win under way", [&] { Play(2, kHeartsFlush); }, true, 98, 1},
        {"after a game over", [&] { LoseWithAFullHouse(); }, false, 112, 2},
        {"a unit staked after a game over", [&] { Press(LoseWithAFullHouse().CommandBet); }, true,
         111, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        c.reach();
        const QByteArray before = Read("NewPlayer.dat");
        Forget();
        MainForm::instance().MenuQuit->trigger();
        const QByteArray saved =
            QStringLiteral("\"NewPlayer\",%1,0,%2\r\n").arg(c.saved).arg(c.games).toUtf8();
        if (c.warns) {
            ASSERT_EQ(Events(), QStringList({"box This bet is discarded."}));
            EXPECT_EQ(At("box This bet is discarded.").playerFile, QString::fromUtf8(before));
            EXPECT_EQ(boxes->calls[0].title, "Information");
            EXPECT_EQ(boxes->calls[0].icon, platform::MessageIcon::Warning);
        } else {
            EXPECT_TRUE(timeline.empty());
        }
        EXPECT_EQ(Read("NewPlayer.dat"), saved);
        EXPECT_EQ(Read("default.dat"), saved);
        EXPECT_FALSE(Read("Ranking.dat").isEmpty());
        EXPECT_EQ(S().PlayerRecord.Credit, c.saved);
    }
}

// Runs the program's start-up, with the splash wait noted instead of waited.
class StartUpStepsTest : public HandlerStepsTest {
protected:
    bool RunMain() {
        platform::SetStartupWaitHook([this](int) { Note("wait"); });
        const bool started = Main();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return started;
    }
};

TEST_F(StartUpStepsTest, TheChimeComesOnceEverythingIsSetAndBeforeTheSplash) {
    Write("default.dat", "\"Taro\",87,2,12\r\n");
    Write("Ranking.dat", QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5));
    // Left over from an earlier game in the same process: start-up sets its own values.
    S().Stage = 3;
    S().HiScore = 9;
    S().GameOver = S().StageCleared = true;
    S().FirstSelection = false;
    ASSERT_TRUE(RunMain());
    EXPECT_EQ(Events(), QStringList({"sound Chime_2.wav", "wait"}));
    const Moment& chime = At("sound Chime_2.wav");
    EXPECT_FALSE(chime.mainShown);
    EXPECT_FALSE(chime.splashShown);
    EXPECT_EQ(chime.credit, 87);
    EXPECT_EQ(chime.buttons, kBetting);
    EXPECT_EQ(chime.label, S().MessageText);  // the status refresh came after the window's set-up
    const Moment& wait = At("wait");
    EXPECT_TRUE(wait.splashShown);
    EXPECT_FALSE(wait.mainShown);

    MainForm& f = MainForm::instance();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(SingleWindow<frmSplash>::exists());
    EXPECT_EQ(f.windowTitle(), "Zarvelo?(Taro)");
    EXPECT_EQ(f.LabelCredit->text(), "87");
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(S().Credit, 87);
    EXPECT_EQ(S().BankruptCount, 2);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 12);
    EXPECT_EQ(S().Ranking[0].PlayerName, "Taro");
    EXPECT_EQ(S().PointRate[0], 114);
    EXPECT_EQ(S().PointRate[16], 1);
    EXPECT_EQ(S().Stage, 1);
    EXPECT_EQ(S().HiScore, 0);
    EXPECT_FALSE(S().GameOver);
    EXPECT_FALSE(S().StageCleared);
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_EQ(S().DeckPosition, 0);
    for (QAction* item : {f.MenuRankingInformation, f.MenuUserInformation, f.MenuEnterUserName})
        EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(f.table()->surface().image(), IdleTable());
}

TEST_F(StartUpStepsTest, ACardLibraryThatFailsEndsStartUpBeforeAnythingIsRead) {
    Write("default.dat", "\"Taro\",87,2,12\r\n");
    cardlib::InjectInitializeFailure(true);
    const bool started = RunMain();
    cardlib::InjectInitializeFailure(false);
    EXPECT_FALSE(started);
    EXPECT_EQ(Events(), QStringList({"box Qcard32.dll couldn't be loaded"}));
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].title, "DLL Error");
    EXPECT_TRUE(S().PlayerName.isEmpty());
    EXPECT_FALSE(SingleWindow<frmSplash>::exists());
    EXPECT_FALSE(MainForm::exists() && MainForm::instance().isVisible());
}

TEST_F(StartUpStepsTest, APlayerChangeDealsWithoutAPokerCheckAndWaitsForABet) {
    ASSERT_TRUE(RunMain());
    MainForm& f = MainForm::instance();
    DealNext({kHeartsFlush});
    Forget();
    EnterName("Taro");
    EXPECT_EQ(Events(), QStringList({"shuffle"}));
    EXPECT_EQ(S().PlayerName, "Taro");
    EXPECT_EQ(S().DeckPosition, 5);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(S().TableCards[i], kHeartsFlush[i - 1]) << i;
    EXPECT_EQ(S().Win, 0);
    EXPECT_EQ(S().PokerCount, (std::array<Counter, 5>{}));
    EXPECT_EQ(S().MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(f.table()->surface().image(), IdleTable());
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_FALSE(S().GameInProgress);
    ClickTable(SlotLeft(1) + 30, 200);
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(S().TableCards[0], 0);
}

}  // namespace
}  // namespace zarvelo::testing
