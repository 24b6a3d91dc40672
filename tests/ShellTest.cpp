// Start-up, shutdown and the secondary windows, driven through real Qt events.
#include <signal.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app/Shutdown.h"
#include "app/Startup.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/SafeFiles.h"
#include "screen/ScreenObject.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/ClientTitleBar.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"
#include "windows/SplashForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

class ShellTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        SetProcessEnd([this](int status) { endedWith = status; });
    }
    void TearDown() override {
        RestoreSignalDefaults();
        SetProcessEnd({});
        platform::SetFileFaultHook({});
        platform::SetStartupWaitHook({});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &MainForm::instance()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GameFixture::TearDown();
    }

    // Runs the start-up; returns what the splash showed during its wait.
    QString RunMain() {
        QString splashText;
        int waited = 0;
        platform::SetStartupWaitHook([&](int ms) {
            waited = ms;
            EXPECT_TRUE(SingleWindow<frmSplash>::instance().isVisible());
            EXPECT_FALSE(MainForm::instance().isVisible());
            splashText = SingleWindow<frmSplash>::instance().lblLicenseTo->text();
        });
        EXPECT_TRUE(Main());
        EXPECT_EQ(waited, 1300);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return splashText;
    }

    void Quit() { MainForm::instance().MenuQuit->trigger(); }

    int endedWith = -1;  // how the process would have ended
};

TEST_F(ShellTest, FirstRunStartsWithANewPlayerAndSavesThreeFiles) {
    EXPECT_EQ(RunMain(), "player :  NewPlayer");
    MainForm& f = MainForm::instance();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(SingleWindow<frmSplash>::exists());
    EXPECT_EQ(f.windowTitle(), "Zarvelo?(NewPlayer)");
    EXPECT_EQ(f.LabelCredit->text(), "100");
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
    EXPECT_TRUE(f.CommandBet->isEnabled());
    EXPECT_FALSE(f.CommandRepeatBet->isEnabled());
    EXPECT_EQ(sounds, QStringList{"Chime_2.wav"});
    EXPECT_TRUE(Files().isEmpty());
    Quit();
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Files(), QStringList({"NewPlayer.dat", "Ranking.dat", "default.dat"}));
}

TEST_F(ShellTest, TheLastPlayerAndRankingComeBack) {
    Write("default.dat", "\"Taro\",87,2,12\r\n");
    Write("Ranking.dat", QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5));
    EXPECT_EQ(RunMain(), "player :  Taro");
    EXPECT_EQ(S().Credit, 87);
    EXPECT_EQ(S().BankruptCount, 2);
    EXPECT_EQ(S().Ranking[4].Date, QDate(1998, 12, 3));
    EXPECT_EQ(MainForm::instance().windowTitle(), "Zarvelo?(Taro)");
}

TEST_F(ShellTest, QuittingWithAStakeWarnsOnceAndLosesIt) {
    RunMain();
    MainForm& f = MainForm::instance();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    Quit();
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, "This bet is discarded.");
    EXPECT_EQ(boxes->calls[0].title, "Information");
    EXPECT_EQ(boxes->calls[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",97,0,1\r\n");
    f.close();  // a second close saves nothing again
    EXPECT_EQ(boxes->calls.size(), 1u);
}

TEST_F(ShellTest, QuittingDuringAGameWarnsAndKeepsNoWinnings) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    S().Win = 40;
    f.close();
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",99,0,1\r\n");
}

TEST_F(ShellTest, QuittingAfterAGameOverDoesNotWarn) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    ArrangeDeal({CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)},
                {CardOf(2, 9)});
    S().Win = 0;
    ClickTable(SlotLeft(1) + 10, 200);
    ASSERT_TRUE(S().GameOver);
    Quit();
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",99,0,2\r\n");
    EXPECT_TRUE(Read("Ranking.dat").startsWith("1,1,1,\"NewPlayer\",#2026-12-07#\r\n"));
}

TEST_F(ShellTest, OkWithoutAChangeWritesNothingAndKeepsTheTable) {
    RunMain();
    EnterName("NewPlayer");
    EXPECT_FALSE(SingleWindow<EnterNameForm>::exists());
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(S().DeckPosition, 0);
}

TEST_F(ShellTest, ChangingPlayersSavesTheOutgoingAndLoadsOrCreatesTheIncoming) {
    RunMain();
    MainForm& f = MainForm::instance();
    EnterName("Taro");
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",100,0,1\r\n");
    EXPECT_EQ(Read("default.dat"), "\"NewPlayer\",100,0,1\r\n");
    EXPECT_EQ(S().PlayerName, "Taro");
    EXPECT_EQ(S().Credit, 100);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 1);
    EXPECT_EQ(f.windowTitle(), "Zarvelo?(Taro)");
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
    EXPECT_TRUE(f.CommandBet->isVisible());

    S().Credit = 3;  // live credit, not yet in the record
    Write("NewPlayer.dat", "\"NewPlayer\",42,1,5\r\n");
    EnterName("NewPlayer");
    EXPECT_EQ(Read("Taro.dat"), "\"Taro\",100,0,1\r\n");
    EXPECT_EQ(S().PlayerName, "NewPlayer");
    EXPECT_EQ(S().Credit, 42);
    EXPECT_EQ(S().BankruptCount, 1);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 5);
}

TEST_F(ShellTest, ANameDifferingInCaseFindsTheSameFile) {
    RunMain();
    Write("Taro.dat", "\"Taro\",70,0,4\r\n");
    EnterName("taro");
    EXPECT_EQ(S().PlayerName, "Taro");  // the name stored in the file
    EXPECT_EQ(S().Credit, 70);
    // A file that holds no record is told about at the change, and kept.
    Write("jiro.dat", "junk");
    EnterName("Jiro");
    EXPECT_EQ(S().Credit, 100);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(boxes->calls[0].text.startsWith("Jiro.dat could not be read"));
    EXPECT_EQ(Read("jiro.dat.unreadable"), "junk");
}

TEST_F(ShellTest, AChangeDuringAGameAbandonsIt) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    ASSERT_TRUE(S().GameInProgress);
    EnterName("Taro");
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(S().Bet, 0);
    EXPECT_EQ(S().Win, 0);
    ClickTable(SlotLeft(1) + 10, 200);
    EXPECT_EQ(S().TotalCards, 0);
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",100,0,1\r\n");  // the stake was never saved
}

TEST_F(ShellTest, StartAfterAChangeRepeatsTheStakeOnAFreshCardPointPanel) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    S().GameCards = 15;  // as after fifteen cards: the bottom row is highlighted
    ShowCardPoints();
    const QColor highlight(255, 192, 192);
    ASSERT_EQ(f.LabelPoint[6]->textColour(), highlight);
    EnterName("Taro");
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_EQ(S().Bet, 1);
    for (int r = 0; r <= 6; ++r) EXPECT_NE(f.LabelPoint[r]->textColour(), highlight) << r;
}

TEST_F(ShellTest, RefusedNamesKeepTheWindowOpenWithTheText) {
    RunMain();
    for (const char* name : {"a/b", "Ranking", "trailing.", ""}) {
        const size_t before = boxes->calls.size();
        MainForm::instance().MenuEnterUserName->trigger();
        EnterNameForm& form = SingleWindow<EnterNameForm>::instance();
        Activate(&form);
        form.StartingTextPlayer->clear();
        QTest::keyClicks(form.StartingTextPlayer, name);
        QTest::keyClick(form.StartingTextPlayer, Qt::Key_Return);
        ASSERT_EQ(boxes->calls.size(), before + 1) << name;
        EXPECT_TRUE(SingleWindow<EnterNameForm>::exists()) << name;
        EXPECT_EQ(form.StartingTextPlayer->text(), name);
        EXPECT_EQ(S().PlayerName, "NewPlayer");
    }
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ShellTest, ActivationFillsTheNameAndSelectsSixteenCharacters) {
    RunMain();
    EnterName("abcdefghijklmnopqrst");
    EXPECT_EQ(S().PlayerName, "abcdefghijklmnopqrst");
    MainForm::instance().MenuEnterUserName->trigger();
    EnterNameForm& form = SingleWindow<EnterNameForm>::instance();
    Activate(&form);
    EXPECT_EQ(form.StartingTextPlayer->text(), "abcdefghijklmnopqrst");
    EXPECT_EQ(form.StartingTextPlayer->selectedText(), "abcdefghijklmnop");
    EXPECT_EQ(S().PreviousPlayerName, "abcdefghijklmnopqrst");
    QTest::keyClick(&form, Qt::Key_Escape);  // no way out but OK
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ShellTest, WindowsOpenOnceAndShowFreshValuesOnActivation) {
    RunMain();
    MainForm& f = MainForm::instance();
    f.MenuUserInformation->trigger();
    UserInfoForm* first = &SingleWindow<UserInfoForm>::instance();
    f.MenuUserInformation->trigger();
    EXPECT_EQ(&SingleWindow<UserInfoForm>::instance(), first);
    S().Credit = 12;  // live only: the window shows the record
    Activate(first);
    EXPECT_EQ(first->LabelPlayer->text(), "NewPlayer");
    EXPECT_EQ(first->LabelCredit->text(), "100");
    EXPECT_EQ(first->LabelBankrupt->text(), "0");
    // Return presses the default button, as in a dialog; Escape closes.
    QTest::keyClick(first, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SingleWindow<UserInfoForm>::exists());

    S().Ranking[0] = {31, 2, 83, "Taro", QDate(2026, 11, 30)};
    f.MenuRankingInformation->trigger();
    RankingForm& ranking = SingleWindow<RankingForm>::instance();
    Activate(&ranking);
    EXPECT_EQ(ranking.LabelPlayer[0]->text(), "Taro");
    EXPECT_EQ(ranking.LabelRound[0]->text(), "2");
    EXPECT_EQ(ranking.LabelCards[0]->text(), "31");
    EXPECT_EQ(ranking.LabelScore[0]->text(), "83");
    EXPECT_EQ(ranking.LabelDate[0]->text(), "2026/11/30");
    EXPECT_EQ(ranking.LabelPlayer[4]->text(), "NewPlayer");
    QTest::keyClick(&ranking, Qt::Key_Escape);

    f.MenuHowToPlay->trigger();
    HelpForm& help = SingleWindow<HelpForm>::instance();
    EXPECT_EQ(help.Label1[3]->text(), QString::fromUtf8(" 1:Betボタンで掛金を積む"));
    // The items, from the top: each one's lines end a few pixels above the next, so that two
    // items never read as one block.
    const int order[] = {0, 3, 1, 2, 4};
    for (int i = 0; i + 1 < 5; ++i) {
        const Label* item = help.Label1[order[i]];
        EXPECT_LE(item->y() + item->wrappedTextHeight() + 2, help.Label1[order[i + 1]]->y())
            << order[i];
    }
    QTest::keyClick(&help, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SingleWindow<HelpForm>::exists());
    EXPECT_FALSE(SingleWindow<RankingForm>::exists());
}

TEST_F(ShellTest, InformationWindowsAreFilledWhenShownEvenIfNeverActivated) {
    RunMain();
    S().Ranking[0] = {31, 2, 83, "Taro", QDate(2026, 11, 30)};
    S().PlayerRecord.Credit = 77;
    MainForm& f = MainForm::instance();
    // No events are processed in between: a desktop that does not activate new windows.
    f.MenuRankingInformation->trigger();
    EXPECT_EQ(SingleWindow<RankingForm>::instance().LabelPlayer[0]->text(), "Taro");
    f.MenuUserInformation->trigger();
    EXPECT_EQ(SingleWindow<UserInfoForm>::instance().LabelCredit->text(), "77");
    EXPECT_EQ(SingleWindow<UserInfoForm>::instance().LabelPlayer->text(), "NewPlayer");
}

// A figure or name too wide for its box is drawn smaller and whole, and past the smallest size
// cut short; the whole text stays in its tooltip and in what assistive technology reads.
TEST_F(ShellTest, LongFiguresAndNamesFitTheirBoxes) {
    RunMain();
    const QString name = QStringLiteral("Maximilian_Long1");
    S().PlayerRecord = {name, 987654, 3, 1};
    S().Ranking[0] = {1248, 24, 654321, name, QDate(2026, 11, 30)};
    S().Credit = 987654;
    S().Win = -2147483647 - 1;
    ShowStatus();
    MainForm& f = MainForm::instance();
    f.MenuRankingInformation->trigger();
    f.MenuUserInformation->trigger();
    const RankingForm& ranking = SingleWindow<RankingForm>::instance();
    const UserInfoForm& user = SingleWindow<UserInfoForm>::instance();
    enum Drawn { AsItIs, Smaller, CutShort };
    struct Case {
        Label* label;
        QString text;
        Drawn drawn;
    };
    const Case cases[] = {
        {f.LabelCredit, "987654", Smaller},
        {f.LabelWin, "-2147483648", CutShort},
        {f.LabelBet, "0", AsItIs},
        {user.LabelCredit, "987654", Smaller},
        {user.LabelPlayer, name, Smaller},
        {ranking.LabelPlayer[0], name, Smaller},
        {ranking.LabelScore[0], "654321", Smaller},
        {ranking.LabelCards[0], "1248", Smaller},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const Label& label = *c.label;
        EXPECT_EQ(label.shownFont() == label.font(), c.drawn == AsItIs);
        EXPECT_GE(label.shownFont().pixelSize(), Label::kSmallestFittedPixels);
        const QString shown = label.shownText();
        EXPECT_LE(QFontMetricsF(label.shownFont()).horizontalAdvance(shown), label.width());
        if (c.drawn == CutShort) {
            EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && c.text.startsWith(shown.chopped(1)))
                << shown.toStdString();
        } else {
            EXPECT_EQ(shown.toStdString(), c.text.toStdString());
        }
        EXPECT_EQ(label.toolTip().toStdString(), c.drawn == AsItIs ? "" : c.text.toStdString());
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(c.label)
                        ->text(QAccessible::Name)
                        .endsWith(c.text));
    }
}

TEST_F(ShellTest, QuittingClosesTheNameEntryToo) {
    RunMain();
    MainForm::instance().MenuEnterUserName->trigger();
    Quit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SingleWindow<EnterNameForm>::exists());
}

TEST_F(ShellTest, EnglishOnRequestReachesEveryWindowAndTheNextStartButNotTheData) {
    const QString taro = QString::fromUtf8("太郎");
    const QStringList data = {"Ranking.dat", "default.dat", taro + ".dat"};
    const QByteArray record = "\"\x91\xBE\x98\x59\",87,2,12\r\n";
    const QByteArray ranking =
        QByteArray("23,1,23,\"\x91\xBE\x98\x59\",#1998-12-03#\r\n").repeated(5);
    const QByteArray bytes[] = {ranking, record, record};
    for (int i = 0; i < 3; ++i) Write(data[i], bytes[i]);
    RunMain();
    MainForm& f = MainForm::instance();
    for (QAction* item :
         {f.MenuEnterUserName, f.MenuUserInformation, f.MenuRankingInformation, f.MenuHowToPlay})
        item->trigger();
    EnterNameForm& name = SingleWindow<EnterNameForm>::instance();
    UserInfoForm& user = SingleWindow<UserInfoForm>::instance();
    RankingForm& rank = SingleWindow<RankingForm>::instance();
    HelpForm& help = SingleWindow<HelpForm>::instance();
    struct Text {
        std::function<QString()> shown;
        const char* japanese;
        const char* english;
    };
    const Text texts[] = {
        {[&] { return f.MenuGame->title(); }, "ｹﾞｰﾑ", "Game"},
        {[&] { return f.MenuQuit->text(); }, "終了", "Quit"},
        {[&] { return f.MenuHowToPlay->text(); }, "遊び方", "How to Play"},
        {[&] { return name.windowTitle(); }, "ﾌﾟﾚｲﾔｰ名の入力", "Enter Player Name"},
        {[&] { return name.StartingLabelPlayer->text(); }, "名前(半角16文字以内)",
         "Name (up to 16 characters)"},
        {[&] { return user.Label2[2]->text(); }, "破産数", "Bankruptcies"},
        {[&] { return user.accessibleDescription().section(' ', 0, 0); }, "名前", "Name"},
        {[&] { return rank.windowTitle(); }, "情報ｳｲﾝﾄﾞｳ(ﾗﾝｷﾝｸﾞ)", "Ranking Information"},
        {[&] { return rank.Label2[0]->text(); }, "ﾌﾟﾚｲﾔｰ名", "Player"},
        {[&] { return help.Label1[3]->text(); }, " 1:Betボタンで掛金を積む",
         " 1: Stake credit with the Bet button"},
        {[&] { return help.windowTitle(); }, "遊び方", "How to Play"},
        {[&] { return help.CommandHelpOK->text(); }, "閉じる", "Close"},
    };
    auto expectTexts = [&](bool english) {
        for (const Text& t : texts)
            EXPECT_EQ(t.shown(), QString::fromUtf8(english ? t.english : t.japanese)) << english;
    };
    expectTexts(false);
    f.MenuLanguage->trigger();
    expectTexts(true);
    f.MenuLanguage->trigger();
    expectTexts(false);
    EXPECT_EQ(platform::SavedLanguage(), platform::Language::Japanese);
    f.MenuLanguage->trigger();
    Activate(&user);
    EXPECT_EQ(user.LabelPlayer->text(), taro);
    Quit();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Read(data[i]), bytes[i]) << data[i].toStdString();
    EXPECT_EQ(Files(), QStringList({"Ranking.dat", "default.dat", "settings.ini", data[2]}));

    // The next start reads the choice, and a box shown afterwards speaks it too.
    MainForm::destroyInstance();
    platform::UseLanguage(platform::Language::Japanese);
    ASSERT_TRUE(PrepareMainWindow());
    MainForm& next = MainForm::instance();
    EXPECT_EQ(next.MenuGame->title(), "Game");
    EXPECT_TRUE(next.MenuLanguage->isChecked());
    S().Credit = 0;
    next.CommandBet_Click();
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, "You have gone bankrupt. The game starts again.");
}

TEST_F(ShellTest, ASettingsFileThatCannotBeUsedMeansJapaneseAndAFailedSaveSaysSo) {
    const QString path = QDir(directory.path()).filePath("settings.ini");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"garbled", [&] { Write("settings.ini", "[Interface\nLanguage=en\n"); }},
        {"no language of ours", [&] { Write("settings.ini", "[Interface]\nLanguage=fr\n"); }},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(path)); }},
    };
    for (const auto& [what, lay] : cases) {
        if (!QFile::remove(path)) QDir().rmdir(path);
        lay();
        EXPECT_EQ(platform::SavedLanguage(), platform::Language::Japanese) << what;
    }
    // The folder stays where the file would go: the switch happens all the same and says why it
    // is not kept.
    ASSERT_TRUE(PrepareMainWindow());
    MainForm& f = MainForm::instance();
    EXPECT_EQ(f.MenuGame->title(), QString::fromUtf8("ｹﾞｰﾑ"));
    f.MenuLanguage->trigger();
    EXPECT_EQ(f.MenuGame->title(), "Game");
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(boxes->calls[0].text.contains(path + ": it is not a regular file"))
        << boxes->calls[0].text.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

ClientTitleBar* TitleBarOf(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* bar = dynamic_cast<ClientTitleBar*>(child)) return bar;
    return nullptr;
}

// Where the window system leaves title bars to the program, each window gets ours: a close box
// only where the window has one, and the contents where they were, below the bar.
TEST_F(ShellTest, OwnTitleBarsKeepTheContentsAndOnlyTheCloseBoxesTheWindowsHave) {
    RunMain();
    MainForm& f = MainForm::instance();
    f.MenuEnterUserName->trigger();
    f.MenuRankingInformation->trigger();
    struct Case {
        QWidget* window;
        QWidget* inside;
        bool closeBox;
    };
    const Case cases[] = {
        {&f, f.table(), true},
        {&SingleWindow<EnterNameForm>::instance(),
         SingleWindow<EnterNameForm>::instance().StartingButton, false},
        {&SingleWindow<RankingForm>::instance(), SingleWindow<RankingForm>::instance().CommandClose,
         true},
    };
    for (const Case& c : cases) {
        const QSize size = c.window->size();
        const QPoint at = c.inside->mapTo(c.window, QPoint(0, 0));
        GiveTitleBar(c.window, c.closeBox);
        QCoreApplication::processEvents();
        EXPECT_EQ(c.window->size(), size + QSize(0, ClientTitleBar::kHeight)) << c.window;
        EXPECT_EQ(c.window->minimumSize(), c.window->maximumSize()) << c.window;
        EXPECT_EQ(c.inside->mapTo(c.window, QPoint(0, 0)), at + QPoint(0, ClientTitleBar::kHeight));
        EXPECT_TRUE(c.window->windowFlags() & Qt::FramelessWindowHint) << c.window;
        auto* bar = TitleBarOf(c.window);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->geometry(), QRect(0, 0, c.window->width(), ClientTitleBar::kHeight));
        EXPECT_EQ(bar->hasCloseBox(), c.closeBox);
        EXPECT_TRUE(c.window->isVisible()) << c.window;
    }
    // Where the name entry would have a close box, a click does nothing.
    EnterNameForm& entry = SingleWindow<EnterNameForm>::instance();
    auto* entryBar = TitleBarOf(&entry);
    QTest::mouseClick(entryBar, Qt::LeftButton, {}, QPoint(entryBar->width() - 12, 12));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(SingleWindow<EnterNameForm>::exists());
    EXPECT_EQ(f.table()->size(), QSize(427, 310));
    // The ranking's close box closes it; a press that leaves the box does not.
    RankingForm& ranking = SingleWindow<RankingForm>::instance();
    auto* bar = TitleBarOf(&ranking);
    const QPoint box = bar->closeBoxRect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, box);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(ranking.isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, box);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SingleWindow<RankingForm>::exists());
}

TEST_F(ShellTest, QuittingClosesEveryWindow) {
    RunMain();
    MainForm& f = MainForm::instance();
    f.MenuRankingInformation->trigger();
    f.MenuHowToPlay->trigger();
    Quit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SingleWindow<RankingForm>::exists());
    EXPECT_FALSE(SingleWindow<HelpForm>::exists());
}

// What a quit right after a game over would save is on the disk as soon as the game is over.
TEST_F(ShellTest, AGameOverIsSavedAtOnce) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    ArrangeDeal({CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)},
                {CardOf(2, 9)});
    S().Win = 5;
    ClickTable(SlotLeft(1) + 10, 200);
    ASSERT_TRUE(S().GameOver);
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",104,0,2\r\n");
    EXPECT_EQ(Read("default.dat"), "\"NewPlayer\",104,0,2\r\n");
    EXPECT_TRUE(Read("Ranking.dat").startsWith("1,1,1,\"NewPlayer\",#2026-12-07#\r\n"));
    // A stake placed since is not charged until the next game over or quit.
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",104,0,2\r\n");
}

// Ended from outside, whatever box is open: the stake is lost as on a quit, the files hold the
// session, no further box waits for an answer, and the process ends.
TEST_F(ShellTest, AnEndFromOutsideSavesAndEndsWhateverBoxIsOpen) {
    struct End {
        const char* what;
        std::function<void()> send;
        int status;
    };
    const End ends[] = {
        {"SIGTERM", [] { raise(SIGTERM); }, 0},
        {"SIGHUP", [] { raise(SIGHUP); }, 0},
        {"SIGINT", [] { raise(SIGINT); }, 0},
        {"the session manager's end",
         [] {
             QEvent quit(QEvent::Quit);
             QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
         },
         0},
        {"the display gone",
         [] { qWarning("The X11 connection broke (error 1). Did the X11 server die?"); }, 1},
    };
    struct Box {
        const char* what;
        std::function<void(ShellTest&)> open;  // nothing: no box
    };
    const Box boxes_[] = {
        {"no box", nullptr},
        {"the stake warning", [](ShellTest&) { MainForm::instance().MenuQuit->trigger(); }},
        {"a refused name", [](ShellTest&) { EnterName("a/b"); }},
        {"a failed save",
         [](ShellTest&) {
             platform::SetFileFaultHook(
                 [](platform::FileStep step, const QString&, qint64, qint64*) {
                     return step == platform::FileStep::Write ? ENOSPC : 0;
                 });
             EnterName("Taro");
         }},
    };
    for (const End& e : ends) {
        for (const Box& b : boxes_) {
            SCOPED_TRACE(std::string(e.what) + " with " + b.what);
            RunMain();
            for (int i = 0; i < 3; ++i) Press(MainForm::instance().CommandBet);
            SaveWhenEndedFromOutside();
            endedWith = -1;
            auto endNow = [&] {
                platform::SetFileFaultHook({});
                e.send();
                for (int i = 0; i < 100 && endedWith < 0; ++i)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            };
            bool sent = false;
            // The end arrives while the box waits for its answer.
            platform::SetMessageBoxHandler([&](const platform::MessageBoxCall& call) {
                boxes->calls.push_back(call);
                if (!std::exchange(sent, true)) endNow();
            });
            if (b.open) b.open(*this);
            if (!sent) endNow();
            RestoreSignalDefaults();
            EXPECT_EQ(endedWith, e.status);
            EXPECT_EQ(boxes->calls.size(), b.open ? 1u : 0u);
            EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",97,0,1\r\n");
            EXPECT_EQ(Read("default.dat"), "\"NewPlayer\",97,0,1\r\n");
            EXPECT_FALSE(Read("Ranking.dat").isEmpty());
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &MainForm::instance()) w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            MainForm::destroyInstance();
            TheGame().reset();
            platform::SetUnattended(false);
            boxes = std::make_unique<platform::MessageBoxRecorder>();
            QDir(directory.path()).removeRecursively();
            QDir().mkpath(directory.path());
        }
    }
}

TEST_F(ShellTest, ASaveThatFailsWhileEndedFromOutsideShowsNoBox) {
    RunMain();
    platform::SetFileFaultHook([](platform::FileStep step, const QString&, qint64, qint64*) {
        return step == platform::FileStep::Write ? ENOSPC : 0;
    });
    ::testing::internal::CaptureStderr();
    EndUnattended();
    const std::string said = ::testing::internal::GetCapturedStderr();
    platform::SetFileFaultHook({});
    platform::SetUnattended(false);
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_NE(said.find("Ranking.dat, NewPlayer.dat and default.dat could not be saved."),
              std::string::npos)
        << said;
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ShellTest, TheEndOfTheSessionSavesWhatAQuitWouldAndPlaysOn) {
    RunMain();
    MainForm& f = MainForm::instance();
    QTest::mouseClick(f.CommandBet, Qt::LeftButton);
    QTest::mouseClick(f.CommandNextGame, Qt::LeftButton);
    SaveForSessionEnd();
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",99,0,1\r\n");
    EXPECT_EQ(S().PlayerRecord.Credit, 100);  // the record still holds the last game over
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_FALSE(platform::Unattended());
    Quit();
    EXPECT_EQ(boxes->calls.size(), 1u);  // the stake warning, now that someone is there
}

TEST_F(ShellTest, ANameTooLongForAFileNameIsRefusedWithAMessage) {
    RunMain();
    const QString tooLong(300, 'a');
    MainForm::instance().MenuEnterUserName->trigger();
    EnterNameForm& form = SingleWindow<EnterNameForm>::instance();
    Activate(&form);
    form.StartingTextPlayer->setText(tooLong);
    QTest::keyClick(form.StartingTextPlayer, Qt::Key_Return);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(boxes->calls[0].text.startsWith("The name is too long"));
    EXPECT_EQ(boxes->calls[0].title, form.windowTitle());
    EXPECT_EQ(S().PlayerName, "NewPlayer");
    EXPECT_TRUE(SingleWindow<EnterNameForm>::exists());
    EXPECT_TRUE(Files().isEmpty());
}

}  // namespace
}  // namespace zarvelo::testing
