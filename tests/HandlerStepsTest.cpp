// The main window's handlers step by step: what is heard and what boxes say, in order, and what
// the message line, the buttons, the table and the state show at each of those moments and after.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <deque>
#include <functional>

#include "app/Startup.h"
#include "cardlib/CardLib.h"
#include "cardlib/TableSurface.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Dealing.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"
#include "windows/SplashForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

const QString kBetAndStart = QStringLiteral("Please bet and start");
const QString kSelectFirst = QStringLiteral("Select the first card please !");
const QString kStageClearText = QStringLiteral("You did it!! Try next game!");
const QString kBankruptText = QString::fromUtf8("破産しました。再度ゲームを開始します");

// The three buttons, "1 Bet" / "Start" / "RepeatBet", as the player sees them.
const QString kBetting = QStringLiteral("shown enabled / shown enabled / shown disabled");
const QString kPlaying = QStringLiteral("hidden / hidden / hidden");
const QString kAfterGame = QStringLiteral("shown enabled / shown enabled / shown enabled");

QString ButtonState(const QPushButton* b) {
    if (b->isHidden()) return QStringLiteral("hidden");
    return b->isEnabled() ? QStringLiteral("shown enabled") : QStringLiteral("shown disabled");
}
QString Buttons(const MainForm& f) {
    return ButtonState(f.CommandBet) + " / " + ButtonState(f.CommandNextGame) + " / " +
           ButtonState(f.CommandRepeatBet);
}

// Rows without a hand, and one of each hand. Card 1 (clubs ace) can never be dealt first.
const std::vector<CardNumber> kDull = {CardOf(1, 2), CardOf(2, 5), CardOf(3, 9), CardOf(4, 11), CardOf(1, 13)};
const std::vector<CardNumber> kHeartsFlush = {CardOf(3, 2), CardOf(3, 5), CardOf(3, 7), CardOf(3, 9), CardOf(3, 11)};

// Whether the table shows a card face (mostly white) in the card box at topLeft.
bool ShowsFace(MainForm& f, QPoint topLeft) {
    const QImage& image = f.table()->surface().image();
    const qreal ratio = image.devicePixelRatio();
    int white = 0;
    for (int y = 0; y < 96; y += 4)
        for (int x = 0; x < 71; x += 4)
            if (image.pixelColor(int((topLeft.x() + x) * ratio), int((topLeft.y() + y) * ratio)).lightness() > 200)
                ++white;
    return white > 200;
}

// The waiting table: black, with the five slot marks.
QImage IdleTable() {
    QWidget view;
    view.setFixedSize(kTableWidth, kTableHeight);
    cardlib::TableSurface surface(&view, view.size());
    const cardlib::WindowHandle handle = cardlib::RegisterSurface(&surface);
    for (int i = 1; i <= 5; ++i) cardlib::DrawSymbol(handle, cardlib::kEmptySlotSymbol, SlotLeft(i), 167);
    cardlib::UnregisterSurface(handle);
    return surface.image().copy();
}

class HandlerStepsTest : public GameFixture {
protected:
    // What could be seen when something was heard, shown in a box, shuffled or waited for.
    struct Moment {
        QString what;
        QString label, message, buttons, playerFile;
        Counter bet = 0, credit = 0, win = 0, stage = 0, deckPosition = 0, lastBet = 0;
        Counter recordCredit = 0, bankruptCount = 0;
        bool stageCleared = false, gameOver = false, inProgress = false, firstSelection = false;
        bool mainShown = false, splashShown = false;
        std::size_t boxes = 0;
    };

    void SetUp() override {
        GameFixture::SetUp();
        platform::SetSoundHook([this](const QString& name) {
            sounds << name;
            Note("sound " + name);
        });
        platform::SetMessageBoxHandler([this](const platform::MessageBoxCall& call) {
            Note("box " + call.text);
            boxes->calls.push_back(call);
        });
        SetRandomSource([this] { return NextDraw(); });
    }

    void TearDown() override {
        SetRandomSource({});
        platform::SetStartupWaitHook({});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!MainForm::exists() || w != &MainForm::instance()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GameFixture::TearDown();
    }

    void Note(const QString& what) {
        Moment m;
        m.what = what;
        if (MainForm::exists()) {
            const MainForm& f = MainForm::instance();
            m.label = f.LabelMessage->text();
            m.buttons = Buttons(f);
            m.mainShown = f.isVisible();
        }
        m.splashShown = SingleWindow<frmSplash>::exists() && SingleWindow<frmSplash>::instance().isVisible();
        m.message = MessageText;
        m.playerFile = QString::fromUtf8(Read("NewPlayer.dat"));
        m.bet = Bet;
        m.credit = Credit;
        m.win = Win;
        m.stage = Stage;
        m.deckPosition = DeckPosition;
        m.lastBet = LastBet;
        m.recordCredit = PlayerRecord.Credit;
        m.bankruptCount = BankruptCount;
        m.stageCleared = StageCleared;
        m.gameOver = GameOver;
        m.inProgress = GameInProgress;
        m.firstSelection = FirstSelection;
        m.boxes = boxes->calls.size();
        timeline.push_back(m);
    }

    QStringList Events() const {
        QStringList events;
        for (const Moment& m : timeline) events << m.what;
        return events;
    }

    // The first moment of that name; a blank one (and a failure) when there is none.
    const Moment& At(const QString& what) const {
        for (const Moment& m : timeline)
            if (m.what == what) return m;
        ADD_FAILURE() << "never happened: " << what.toStdString();
        static const Moment none;
        return none;
    }

    void Forget() {
        timeline.clear();
        sounds.clear();
    }

    // The coming shuffles put these cards first, one list per shuffle; later shuffles deal kDull.
    void DealNext(std::vector<std::vector<CardNumber>> firsts) {
        upcoming_.assign(firsts.begin(), firsts.end());
    }

    double NextDraw() {
        if (draw_ % 52 == 0) {
            Note("shuffle");
            std::vector<CardNumber> first = kDull;
            if (!upcoming_.empty()) {
                first = upcoming_.front();
                upcoming_.pop_front();
            }
            PlanDraws(first);
        }
        return draws_[draw_++ % 52];
    }

    // Draws that bring the wanted cards to the front: partner k for draw j is floor(51 r) + 1,
    // and every later draw leaves the front alone.
    void PlanDraws(const std::vector<CardNumber>& first) {
        std::array<CardNumber, 52> deck{};
        for (int i = 0; i < 52; ++i) deck[i] = i + 1;
        for (int j = 0; j < 52; ++j) {
            int k = j == 0 ? 1 : j;
            if (j < static_cast<int>(first.size())) {
                k = static_cast<int>(std::find(deck.begin(), deck.end(), first[j]) - deck.begin());
                if (k < 1 || k < j) ADD_FAILURE() << "card " << first[j] << " cannot be dealt at " << j;
            }
            draws_[j] = (k - 0.5) / 51.0;
            std::swap(deck[j], deck[k]);
        }
    }

    void Pick(int slot) { ClickTable(SlotLeft(slot) + 30, 200); }

    // Stakes from start-up and starts a game whose deck begins with these cards.
    MainForm& Play(int units, const std::vector<CardNumber>& cards) {
        MainForm& f = StartUp();
        DealNext({cards});
        for (int i = 0; i < units; ++i) Press(f.CommandBet);
        if (units < 10) Press(f.CommandNextGame);
        return f;
    }

    // A game with a stake of 3 that ends at its first pick with a full house: spades 9 is taken,
    // diamonds 5 joins three 2s and clubs 5, and nothing matches spades 9.
    MainForm& LoseWithAFullHouse() {
        MainForm& f = Play(3, {CardOf(4, 9), CardOf(1, 2), CardOf(2, 2), CardOf(3, 2), CardOf(1, 5), CardOf(2, 5)});
        Pick(1);
        EXPECT_TRUE(GameOver);
        return f;
    }

    // A game with a stake of 1 that ends at its first pick, winning nothing.
    MainForm& LoseWithNothing() {
        MainForm& f = Play(1, {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5), CardOf(2, 9)});
        Pick(1);
        EXPECT_TRUE(GameOver);
        EXPECT_EQ(Win, 0);
        return f;
    }

    // Every card in turn, neighbours sharing a suit or a value; taking slot 1 48 times and then
    // slots 2 to 5 takes them all.
    void ArrangeChainDeal() {
        std::vector<CardNumber> c;
        for (int v = 1; v <= 13; ++v) c.push_back(CardOf(1, v));
        for (int v = 13; v >= 1; --v) c.push_back(CardOf(2, v));
        for (int v = 1; v <= 13; ++v) c.push_back(CardOf(3, v));
        for (int v = 13; v >= 1; --v) c.push_back(CardOf(4, v));
        ArrangeDeal({c[0], c[48], c[49], c[50], c[51]}, std::vector<CardNumber>(c.begin() + 1, c.begin() + 48));
    }
    static int SlotForPick(int pick) { return pick <= 48 ? 1 : pick - 47; }

    void Fresh() {
        MainForm::destroyInstance();
        ResetGameState();
        QDir(directory.path()).removeRecursively();
        QDir().mkpath(directory.path());
        boxes->calls.clear();
        upcoming_.clear();
        Forget();
    }

    QByteArray Read(const QString& name) const {
        QFile file(QDir(directory.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(QDir(directory.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::vector<Moment> timeline;

private:
    std::deque<std::vector<CardNumber>> upcoming_;
    std::array<double, 52> draws_{};
    long draw_ = 0;
};

TEST_F(HandlerStepsTest, GameOverSoundsThenShowsThenPaysThenRecordsThenGivesTheButtonsBack) {
    MainForm& f = LoseWithAFullHouse();
    EXPECT_EQ(Events(), QStringList({"sound keybd1.wav", "sound keybd1.wav", "sound keybd1.wav", "shuffle",
                                     "sound crystal.wav", "sound floop_be.wav", "sound boingg.wav"}));
    const Moment& boing = At("sound boingg.wav");
    EXPECT_EQ(boing.label, "Full House");  // the pick's refresh
    EXPECT_EQ(boing.credit, 97);
    EXPECT_EQ(boing.win, 15);
    EXPECT_EQ(boing.recordCredit, 100);
    EXPECT_FALSE(boing.gameOver);
    EXPECT_EQ(boing.buttons, kPlaying);

    // The line is written directly; the message stays for the next refresh.
    EXPECT_EQ(f.LabelMessage->text(), "Game Over");
    EXPECT_EQ(MessageText, "Full House");
    EXPECT_EQ(Credit, 112);
    EXPECT_EQ(PlayerRecord.Credit, 112);
    EXPECT_EQ(PlayerRecord.GamesPlayed, 2);
    EXPECT_EQ(HiScore, 1);
    EXPECT_EQ(f.LabelHiscore->text(), "1");
    EXPECT_EQ(Ranking[0].Cards, 1);
    EXPECT_EQ(Ranking[0].Score, 1);
    EXPECT_EQ(Ranking[0].Stage, 1);
    EXPECT_EQ(Stage, 1);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameInProgress);
    EXPECT_FALSE(StageCleared);
    EXPECT_EQ(Buttons(f), kAfterGame);
    EXPECT_EQ(Bet, 3);
    EXPECT_EQ(Win, 15);

    // A repaint brings the message and the new credit back, and keeps the buttons.
    f.Form_Paint();
    EXPECT_EQ(f.LabelMessage->text(), "Full House");
    EXPECT_EQ(f.LabelCredit->text(), "112");
    EXPECT_EQ(Buttons(f), kAfterGame);
    EXPECT_TRUE(ShowsFace(f, QPoint(177, 7)));
}

TEST_F(HandlerStepsTest, BetAfterAGameOverClearsTheOldGameThenStakesWithItsSound) {
    MainForm& f = LoseWithAFullHouse();
    Forget();
    const QImage idle = IdleTable();
    Press(f.CommandBet);
    EXPECT_EQ(Events(), QStringList({"sound keybd1.wav"}));
    const Moment& click = At("sound keybd1.wav");
    EXPECT_EQ(click.bet, 1);
    EXPECT_EQ(click.credit, 111);
    EXPECT_EQ(click.win, 0);
    EXPECT_FALSE(click.gameOver);
    EXPECT_FALSE(click.inProgress);
    EXPECT_TRUE(click.firstSelection);
    EXPECT_EQ(click.label, kBetAndStart);  // the waiting table came first
    EXPECT_EQ(click.buttons, kBetting);

    EXPECT_EQ(f.LabelBet->text(), "1");
    EXPECT_EQ(f.LabelCredit->text(), "111");
    EXPECT_EQ(f.LabelWin->text(), "0");
    EXPECT_EQ(f.LabelMessage->text(), MessageText);  // the panels' refresh came last
    EXPECT_EQ(GameCards, 0);
    EXPECT_EQ(f.LabelNumberOfCards->text(), "0");
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(f.table()->surface().image(), idle);  // no current card left over
    const char* prizes[] = {"500", "20", "10", "5", "1"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(f.LabelPorkerPoint[k]->text(), prizes[k]) << k;
        EXPECT_EQ(f.LabelPorkerScore[k]->text(), "0") << k;  // the full house is forgotten
    }
    EXPECT_EQ(f.LabelPointValue[0]->text(), "114");
    EXPECT_EQ(PlayerRecord.Credit, 112);  // stakes reach the record at the next game over

    Forget();
    Press(f.CommandBet);
    EXPECT_EQ(Events(), QStringList({"sound keybd1.wav"}));
    EXPECT_EQ(f.LabelBet->text(), "2");
    EXPECT_EQ(f.LabelPorkerPoint[0]->text(), "1000");
    EXPECT_EQ(f.LabelPorkerPoint[4]->text(), "2");
    EXPECT_EQ(f.LabelPointValue[0]->text(), "228");
    EXPECT_EQ(f.LabelPointValue[6]->text(), "2");
    EXPECT_EQ(Buttons(f), kBetting);
    EXPECT_FALSE(GameInProgress);
}

TEST_F(HandlerStepsTest, EveryButtonWithNoCreditLeftGoesBankruptBeforeAnythingElse) {
    const char* names[] = {"1 Bet", "Start", "RepeatBet"};
    for (int b = 0; b < 3; ++b) {
        SCOPED_TRACE(names[b]);
        Fresh();
        MainForm& f = StartUp();
        DealNext({{CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5), CardOf(2, 9)}});
        Press(f.CommandBet);
        Press(f.CommandNextGame);
        Credit = 0;
        Pick(1);
        ASSERT_TRUE(GameOver);
        ASSERT_EQ(Credit, 0);
        Forget();
        Press(b == 0 ? f.CommandBet : b == 1 ? f.CommandNextGame : f.CommandRepeatBet);
        EXPECT_EQ(Events(), QStringList({"box " + kBankruptText}));
        const Moment& box = At("box " + kBankruptText);
        EXPECT_EQ(box.credit, 0);
        EXPECT_EQ(box.bankruptCount, 0);
        EXPECT_EQ(box.bet, 0);
        EXPECT_EQ(box.win, 0);
        EXPECT_EQ(Credit, 100);
        EXPECT_EQ(BankruptCount, 1);
        EXPECT_EQ(Bet, 0);
        EXPECT_EQ(f.LabelCredit->text(), "100");
        EXPECT_EQ(f.LabelBet->text(), "0");
        EXPECT_FALSE(GameInProgress);
        EXPECT_FALSE(GameOver);
        EXPECT_EQ(DeckPosition, 6);  // no deal
        EXPECT_EQ(Buttons(f), kAfterGame);
        Press(f.CommandBet);
        EXPECT_EQ(Bet, 1);
        EXPECT_EQ(Credit, 99);
    }
}

TEST_F(HandlerStepsTest, StartShowsThePromptDealsChecksTheRowThenPlaysItsSound) {
    struct Case { const char* name; std::vector<CardNumber> row; const char* hand; int prize; int k; };
    const Case cases[] = {
        {"royal", {CardOf(4, 12), CardOf(4, 1), CardOf(4, 10), CardOf(4, 13), CardOf(4, 11)}, "Royal Straight Flush", 500, 0},
        {"straight flush", {CardOf(2, 9), CardOf(2, 10), CardOf(2, 11), CardOf(2, 12), CardOf(2, 13)}, "Straight Flush", 20, 1},
        {"four", {CardOf(2, 8), CardOf(1, 8), CardOf(1, 3), CardOf(3, 8), CardOf(4, 8)}, "4 Cards", 10, 2},
        {"full house", {CardOf(2, 4), CardOf(1, 4), CardOf(4, 12), CardOf(3, 12), CardOf(2, 12)}, "Full House", 5, 3},
        {"flush", kHeartsFlush, "Flush", 1, 4},
        {"nothing", kDull, "", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = StartUp();
        DealNext({c.row});
        Press(f.CommandBet);
        Press(f.CommandBet);
        Forget();
        Press(f.CommandNextGame);
        EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
        const Moment& shuffle = At("shuffle");
        EXPECT_EQ(shuffle.label, kSelectFirst);
        EXPECT_EQ(shuffle.message, kSelectFirst);
        EXPECT_EQ(shuffle.buttons, kPlaying);
        EXPECT_EQ(shuffle.lastBet, 2);
        EXPECT_TRUE(shuffle.inProgress);
        EXPECT_TRUE(shuffle.firstSelection);
        const Moment& chime = At("sound crystal.wav");
        EXPECT_EQ(chime.deckPosition, 5);
        EXPECT_EQ(chime.win, 2 * c.prize);
        EXPECT_EQ(chime.label, c.hand);  // the table was refreshed after the check

        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(TableCards[i], c.row[i - 1]) << i;
            EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
            EXPECT_TRUE(ShowsFace(f, QPoint(SlotLeft(i), 167))) << i;
        }
        EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
        EXPECT_EQ(Win, 2 * c.prize);
        EXPECT_EQ(f.LabelWin->text(), QString::number(2 * c.prize));
        EXPECT_EQ(MessageText, c.hand);
        EXPECT_EQ(f.LabelMessage->text(), c.hand);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(PokerCount[k], k == c.k ? 1 : 0) << k;
        EXPECT_EQ(Buttons(f), kPlaying);
        EXPECT_EQ(Bet, 2);
        EXPECT_EQ(Credit, 98);
    }
}

TEST_F(HandlerStepsTest, StartAndRepeatBetAfterAGameOverRestakeWithoutTheStakeSound) {
    const char* names[] = {"Start", "RepeatBet"};
    for (int b = 0; b < 2; ++b) {
        SCOPED_TRACE(names[b]);
        Fresh();
        MainForm& f = LoseWithAFullHouse();
        ASSERT_EQ(Credit, 112);
        Forget();
        Press(b == 0 ? f.CommandNextGame : f.CommandRepeatBet);
        EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
        const Moment& shuffle = At("shuffle");
        EXPECT_EQ(shuffle.bet, 3);
        EXPECT_EQ(shuffle.credit, 109);
        EXPECT_EQ(shuffle.win, 0);
        EXPECT_FALSE(shuffle.gameOver);
        EXPECT_EQ(shuffle.label, kSelectFirst);
        EXPECT_EQ(shuffle.buttons, kPlaying);
        EXPECT_EQ(Bet, 3);
        EXPECT_EQ(Credit, 109);
        EXPECT_EQ(LastBet, 3);
        EXPECT_EQ(Win, 0);
        EXPECT_EQ(f.LabelWin->text(), "0");
        EXPECT_EQ(f.LabelBet->text(), "3");
        EXPECT_EQ(f.LabelCredit->text(), "109");
        EXPECT_EQ(f.LabelPorkerPoint[0]->text(), "1500");
        EXPECT_EQ(f.LabelPorkerScore[3]->text(), "0");
        EXPECT_EQ(f.LabelPointValue[0]->text(), "342");
        EXPECT_EQ(GameCards, 0);
        EXPECT_EQ(DeckPosition, 5);
        EXPECT_EQ(TableCards[1], kDull[0]);
        EXPECT_EQ(f.LabelMessage->text(), "");
        EXPECT_EQ(Buttons(f), kPlaying);
    }
}

TEST_F(HandlerStepsTest, RepeatBetAndStartWithNothingToRepeatDoNothing) {
    MainForm& f = StartUp();
    f.CommandRepeatBet_Click();  // disabled on the screen, but not by itself
    f.CommandNextGame_Click();
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(Credit, 100);
    EXPECT_EQ(Bet, 0);
    EXPECT_EQ(DeckPosition, 0);
    EXPECT_EQ(Buttons(f), kBetting);
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
}

TEST_F(HandlerStepsTest, TheFirstPickClearsTheLineBeforeItsSoundAndLaterPicksDoNot) {
    MainForm& f = Play(1, {kHeartsFlush[0], kHeartsFlush[1], kHeartsFlush[2], kHeartsFlush[3], kHeartsFlush[4],
                           CardOf(3, 13), CardOf(4, 3)});
    ASSERT_EQ(f.LabelMessage->text(), "Flush");
    Forget();
    Pick(3);  // hearts 7; hearts king comes in and the row is still a flush
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav"}));
    const Moment& first = At("sound floop_be.wav");
    EXPECT_EQ(first.label, "");
    EXPECT_EQ(first.message, "Flush");
    EXPECT_FALSE(first.firstSelection);
    EXPECT_EQ(first.deckPosition, 5);  // the card is taken after the sound
    EXPECT_EQ(TableCards[0], CardOf(3, 7));
    EXPECT_EQ(TableCards[3], CardOf(3, 13));
    EXPECT_EQ(DeckPosition, 6);
    EXPECT_EQ(Win, 2);  // the same hand pays again
    EXPECT_EQ(PokerCount[4], 2);
    EXPECT_EQ(f.LabelMessage->text(), "Flush");
    EXPECT_EQ(f.LabelWin->text(), "2");
    EXPECT_FALSE(f.LeftCard[2]->text().contains('K'));  // hearts king is out of the deck
    EXPECT_TRUE(f.LeftCard[3]->text().contains('K'));
    EXPECT_TRUE(ShowsFace(f, QPoint(177, 7)));

    Forget();
    Pick(4);  // hearts 9; spades 3 breaks the flush
    const Moment& second = At("sound floop_be.wav");
    EXPECT_EQ(second.label, "Flush");
    EXPECT_EQ(MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), "");
    EXPECT_EQ(Win, 2);
    EXPECT_EQ(PokerCount[4], 2);
}

TEST_F(HandlerStepsTest, EveryAcceptedPickChecksTheRefilledRow) {
    struct Case { const char* name; std::vector<CardNumber> deck; int slot; const char* hand; int paid; };
    const Case cases[] = {
        {"the refill completes a flush",
         {CardOf(3, 2), CardOf(3, 5), CardOf(1, 9), CardOf(3, 9), CardOf(3, 11), CardOf(3, 13)}, 3, "Flush", 2},
        {"the refill completes four of a kind",
         {CardOf(1, 8), CardOf(2, 8), CardOf(3, 8), CardOf(1, 3), CardOf(2, 5), CardOf(4, 8)}, 4, "4 Cards", 20},
        {"the refill completes a full house",
         {CardOf(1, 6), CardOf(2, 6), CardOf(3, 11), CardOf(4, 11), CardOf(2, 3), CardOf(1, 11)}, 5, "Full House", 10},
        {"the refill breaks a flush",
         {kHeartsFlush[0], kHeartsFlush[1], kHeartsFlush[2], kHeartsFlush[3], kHeartsFlush[4], CardOf(4, 3)}, 3, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = Play(2, c.deck);
        const Counter before = Win;
        Pick(c.slot);
        ASSERT_EQ(TableCards[c.slot], c.deck[5]);
        EXPECT_EQ(Win - before, c.paid);
        EXPECT_EQ(MessageText, c.hand);
        EXPECT_EQ(f.LabelMessage->text(), c.hand);
        EXPECT_EQ(f.LabelWin->text(), QString::number(Win));
    }
}

TEST_F(HandlerStepsTest, AClickWithoutAGameOnlyWritesTheLine) {
    struct Case { const char* name; std::function<MainForm&()> reach; };
    const Case cases[] = {
        {"start-up", [&]() -> MainForm& { return StartUp(); }},
        {"staking", [&]() -> MainForm& {
             MainForm& f = StartUp();
             Press(f.CommandBet);
             Press(f.CommandBet);
             return f;
         }},
        {"game over", [&]() -> MainForm& { return LoseWithAFullHouse(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = c.reach();
        MessageText = QStringLiteral("kept");
        const auto table = TableCards;
        const Counter credit = Credit, bet = Bet, position = DeckPosition;
        const QImage image = f.table()->surface().image().copy();
        Forget();
        for (QPoint at : {QPoint(SlotLeft(2) + 20, 200), QPoint(200, 40)}) {
            f.LabelMessage->setText(QStringLiteral("other"));
            ClickTable(at.x(), at.y());
            EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
            EXPECT_EQ(MessageText, "kept");
        }
        EXPECT_TRUE(timeline.empty());
        EXPECT_EQ(TableCards, table);
        EXPECT_EQ(Credit, credit);
        EXPECT_EQ(Bet, bet);
        EXPECT_EQ(DeckPosition, position);
        EXPECT_EQ(f.table()->surface().image(), image);
    }
}

TEST_F(HandlerStepsTest, APickThatIsRefusedStillRefreshesAndAMissDoesNothing) {
    MainForm& f = Play(1, {CardOf(3, 7), CardOf(1, 2), CardOf(4, 7), CardOf(2, 9), CardOf(3, 13), CardOf(1, 4)});
    Pick(1);  // hearts 7; clubs 4 comes in
    ASSERT_FALSE(GameOver);
    const auto table = TableCards;
    const Counter cards = GameCards;
    const QImage image = f.table()->surface().image().copy();
    Forget();

    f.table()->surface().clear();
    f.LabelMessage->setText(QStringLiteral("stale"));
    Pick(2);  // clubs 2 shares nothing with hearts 7
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(TableCards, table);
    EXPECT_EQ(GameCards, cards);
    EXPECT_EQ(f.LabelMessage->text(), MessageText);
    EXPECT_EQ(f.table()->surface().image(), image);
    EXPECT_FALSE(GameOver);

    // Between two cards, or above the row: nothing at all.
    for (QPoint at : {QPoint(SlotLeft(2) - 3, 200), QPoint(SlotLeft(3) + 20, 159)}) {
        f.table()->surface().clear();
        f.LabelMessage->setText(QStringLiteral("stale"));
        ClickTable(at.x(), at.y());
        EXPECT_EQ(f.LabelMessage->text(), "stale");
        EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
    }
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(TableCards, table);
}

TEST_F(HandlerStepsTest, ARepaintShowsTheWaitingTableOnlyBeforeAGameIsDealt) {
    struct Case { const char* name; std::function<MainForm&()> reach; bool waiting; };
    const Case cases[] = {
        {"start-up", [&]() -> MainForm& { return StartUp(); }, true},
        {"staking", [&]() -> MainForm& {
             MainForm& f = StartUp();
             Press(f.CommandBet);
             return f;
         }, true},
        {"dealt, first pick to come", [&]() -> MainForm& { return Play(1, kDull); }, false},
        {"after a pick", [&]() -> MainForm& {
             MainForm& f = Play(1, kDull);
             Pick(1);
             return f;
         }, false},
        {"game over", [&]() -> MainForm& { return LoseWithAFullHouse(); }, false},
    };
    const QImage idle = IdleTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = c.reach();
        const QString buttons = Buttons(f);
        std::array<bool, 6> frames{};
        for (int i = 1; i <= 5; ++i) frames[i] = f.FrameNotice[i]->isVisible();
        const QImage image = f.table()->surface().image().copy();
        for (QPushButton* b : {f.CommandBet, f.CommandNextGame, f.CommandRepeatBet}) b->hide();
        for (int i = 1; i <= 5; ++i) f.FrameNotice[i]->setVisible(!frames[i]);
        f.LabelMessage->setText(QStringLiteral("stale"));
        f.table()->surface().clear();
        Forget();
        f.Form_Paint();
        if (c.waiting) {
            EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
            EXPECT_EQ(Buttons(f), buttons);
            for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
            EXPECT_EQ(f.table()->surface().image(), idle);
        } else {
            EXPECT_EQ(f.LabelMessage->text(), MessageText);
            EXPECT_EQ(Buttons(f), kPlaying);  // hidden above; a repaint does not show them
            for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.FrameNotice[i]->isVisible(), frames[i]) << i;
            EXPECT_EQ(f.table()->surface().image(), image);
        }
        EXPECT_TRUE(timeline.empty());
    }
}

TEST_F(HandlerStepsTest, AStageClearThenAGameOverThenANewGame) {
    MainForm& f = StartUp();
    Press(f.CommandBet);
    Press(f.CommandBet);
    Press(f.CommandNextGame);
    ArrangeChainDeal();
    // The next deck: a diamond flush that the deal after a stage clear must not pay, then clubs
    // that make a flush with the fifth pick and end the game.
    const std::vector<CardNumber> diamonds = {CardOf(2, 2), CardOf(2, 4), CardOf(2, 6), CardOf(2, 8), CardOf(2, 10)};
    std::vector<CardNumber> next = diamonds;
    for (int v : {3, 5, 7, 9, 11}) next.push_back(CardOf(1, v));
    DealNext({next});
    for (int pick = 1; pick <= 51; ++pick) {
        Pick(SlotForPick(pick));
        ASSERT_EQ(GameCards, pick);
    }
    ASSERT_TRUE(boxes->calls.empty());
    const Counter winBefore = Win;
    const auto countsBefore = PokerCount;
    Forget();
    Pick(5);
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav", "sound space152.wav", "box " + kStageClearText, "shuffle"}));
    const Moment& clear = At("sound space152.wav");
    EXPECT_TRUE(clear.stageCleared);
    EXPECT_EQ(clear.stage, 1);
    EXPECT_EQ(clear.deckPosition, 57);
    EXPECT_EQ(clear.win, winBefore + 500 * 1 * 2);
    EXPECT_EQ(At("box " + kStageClearText).stage, 1);
    EXPECT_EQ(At("shuffle").stage, 2);
    EXPECT_TRUE(At("shuffle").stageCleared);

    EXPECT_EQ(Stage, 2);
    EXPECT_TRUE(StageCleared);
    EXPECT_TRUE(FirstSelection);
    EXPECT_TRUE(GameInProgress);
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(DeckPosition, 5);
    EXPECT_EQ(GameCards, 52);
    EXPECT_EQ(TotalCards, 52);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(TableCards[i], diamonds[i - 1]) << i;
        EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
        EXPECT_TRUE(ShowsFace(f, QPoint(SlotLeft(i), 167))) << i;
    }
    EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
    // The new row is a flush, and goes unpaid until a pick.
    EXPECT_EQ(Win, winBefore + 1000);
    EXPECT_EQ(PokerCount, countsBefore);
    EXPECT_EQ(MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), "");
    EXPECT_EQ(f.LabelScore->text(), "52");
    EXPECT_EQ(Buttons(f), kPlaying);

    for (int slot = 1; slot <= 4; ++slot) {
        Pick(slot);
        EXPECT_EQ(MessageText, "") << slot;
        EXPECT_FALSE(GameOver) << slot;
    }
    EXPECT_EQ(Win, winBefore + 1000);
    const Counter credit = Credit;
    ASSERT_EQ(PlayerRecord.Credit, 100);
    Forget();
    Pick(5);  // diamonds 10; clubs jack makes a clubs flush and nothing matches
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav", "sound boingg.wav"}));
    const Moment& boing = At("sound boingg.wav");
    EXPECT_EQ(boing.credit, credit);
    EXPECT_EQ(boing.label, "Flush");
    EXPECT_EQ(boing.stage, 2);
    EXPECT_FALSE(boing.gameOver);
    EXPECT_EQ(boing.recordCredit, 100);
    const Counter won = winBefore + 1000 + 2;
    EXPECT_EQ(Win, won);
    EXPECT_EQ(Credit, credit + won);
    EXPECT_EQ(PlayerRecord.Credit, credit + won);
    EXPECT_EQ(PlayerRecord.GamesPlayed, 2);
    EXPECT_EQ(f.LabelMessage->text(), "Game Over");
    EXPECT_EQ(MessageText, "Flush");
    EXPECT_EQ(HiScore, 57);
    EXPECT_EQ(f.LabelHiscore->text(), "57");
    EXPECT_EQ(Ranking[0].Cards, 57);
    EXPECT_EQ(Ranking[0].Stage, 2);
    EXPECT_EQ(Ranking[0].Score, 57);
    EXPECT_EQ(Ranking[0].PlayerName, "NewPlayer");
    EXPECT_EQ(Stage, 1);
    EXPECT_FALSE(StageCleared);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameInProgress);
    EXPECT_EQ(Buttons(f), kAfterGame);

    Forget();
    Press(f.CommandNextGame);
    EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
    EXPECT_EQ(Stage, 1);
    EXPECT_EQ(GameCards, 0);
    EXPECT_EQ(TotalCards, 0);
    EXPECT_FALSE(StageCleared);
    EXPECT_EQ(Bet, 2);
    EXPECT_EQ(Credit, credit + won - 2);
    EXPECT_EQ(Win, 0);
    EXPECT_EQ(f.LabelScore->text(), "0");
    EXPECT_EQ(f.LabelNumberOfCards->text(), "0");
    Pick(1);
    EXPECT_EQ(GameCards, 1);
    EXPECT_EQ(Stage, 1);
}

TEST_F(HandlerStepsTest, ClosingWarnsAboutALiveStakeBeforeSavingTheRecord) {
    struct Case { const char* name; std::function<void()> reach; bool warns; Counter saved; Counter games; };
    const Case cases[] = {
        {"nothing staked", [&] { StartUp(); }, false, 100, 1},
        {"three units staked", [&] {
             MainForm& f = StartUp();
             for (int i = 0; i < 3; ++i) Press(f.CommandBet);
         }, true, 97, 1},
        {"a game with a win under way", [&] { Play(2, kHeartsFlush); }, true, 98, 1},
        {"after a game over", [&] { LoseWithAFullHouse(); }, false, 112, 2},
        {"a unit staked after a game over", [&] { Press(LoseWithAFullHouse().CommandBet); }, true, 111, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        c.reach();
        const QByteArray before = Read("NewPlayer.dat");
        Forget();
        MainForm::instance().MenuQuit->trigger();
        const QByteArray saved = QStringLiteral("\"NewPlayer\",%1,0,%2\r\n").arg(c.saved).arg(c.games).toUtf8();
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
        EXPECT_EQ(PlayerRecord.Credit, c.saved);
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

    // Opens the name entry from the menu, types a name and presses OK.
    void EnterName(const QString& name) {
        MainForm::instance().MenuEnterUserName->trigger();
        EnterNameForm& form = SingleWindow<EnterNameForm>::instance();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &activate);
        form.StartingTextPlayer->selectAll();
        QTest::keyClicks(form.StartingTextPlayer, name);
        QTest::mouseClick(form.StartingButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(StartUpStepsTest, TheChimeComesOnceEverythingIsSetAndBeforeTheSplash) {
    Write("default.dat", "\"Taro\",87,2,12\r\n");
    Write("Ranking.dat", QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5));
    // Left over from an earlier game in the same process: start-up sets its own values.
    Stage = 3;
    HiScore = 9;
    GameOver = StageCleared = true;
    FirstSelection = false;
    ASSERT_TRUE(RunMain());
    EXPECT_EQ(Events(), QStringList({"sound Chime_2.wav", "wait"}));
    const Moment& chime = At("sound Chime_2.wav");
    EXPECT_FALSE(chime.mainShown);
    EXPECT_FALSE(chime.splashShown);
    EXPECT_EQ(chime.credit, 87);
    EXPECT_EQ(chime.buttons, kBetting);
    EXPECT_EQ(chime.label, MessageText);  // the status refresh came after the window's set-up
    const Moment& wait = At("wait");
    EXPECT_TRUE(wait.splashShown);
    EXPECT_FALSE(wait.mainShown);

    MainForm& f = MainForm::instance();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(SingleWindow<frmSplash>::exists());
    EXPECT_EQ(f.windowTitle(), "Zarvelo(Taro)");
    EXPECT_EQ(f.LabelCredit->text(), "87");
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(Credit, 87);
    EXPECT_EQ(BankruptCount, 2);
    EXPECT_EQ(PlayerRecord.GamesPlayed, 12);
    EXPECT_EQ(Ranking[0].PlayerName, "Taro");
    EXPECT_EQ(PointRate[0], 114);
    EXPECT_EQ(PointRate[16], 1);
    EXPECT_EQ(Stage, 1);
    EXPECT_EQ(HiScore, 0);
    EXPECT_FALSE(GameOver);
    EXPECT_FALSE(StageCleared);
    EXPECT_TRUE(FirstSelection);
    EXPECT_EQ(DeckPosition, 0);
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
    EXPECT_TRUE(PlayerName.isEmpty());
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
    EXPECT_EQ(PlayerName, "Taro");
    EXPECT_EQ(DeckPosition, 5);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(TableCards[i], kHeartsFlush[i - 1]) << i;
    EXPECT_EQ(Win, 0);
    EXPECT_EQ(PokerCount, (std::array<Counter, 5>{}));
    EXPECT_EQ(MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(f.table()->surface().image(), IdleTable());
    EXPECT_TRUE(FirstSelection);
    EXPECT_FALSE(GameInProgress);
    ClickTable(SlotLeft(1) + 30, 200);
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
    EXPECT_EQ(TableCards[0], 0);
}

}  // namespace
}  // namespace zarvelo::testing
