// The fixture of the handler-step tests: every sound, box, shuffle and wait noted with what could
// be seen at that moment, so a test can check the order of a handler's steps.
#pragma once

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
#include "screen/CardChart.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"
#include "windows/SplashForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {

inline const QString kBetAndStart = QStringLiteral("Please bet and start");
inline const QString kSelectFirst = QStringLiteral("Select the first card please !");
inline const QString kStageClearText = QStringLiteral("You did it!! Try next game!");
inline const QString kBankruptText = QString::fromUtf8("破産しました。再度ゲームを開始します");

// The three buttons, "1 Bet" / "Start" / "RepeatBet", as the player sees them.
inline const QString kBetting = QStringLiteral("shown enabled / shown enabled / shown disabled");
inline const QString kPlaying = QStringLiteral("hidden / hidden / hidden");
inline const QString kAfterGame = QStringLiteral("shown enabled / shown enabled / shown enabled");

inline QString ButtonState(const QPushButton* b) {
    if (b->isHidden()) return QStringLiteral("hidden");
    return b->isEnabled() ? QStringLiteral("shown enabled") : QStringLiteral("shown disabled");
}
inline QString Buttons(const MainForm& f) {
    return ButtonState(f.CommandBet) + " / " + ButtonState(f.CommandNextGame) + " / " +
           ButtonState(f.CommandRepeatBet);
}

// Rows without a hand, and one of each hand. Card 1 (clubs ace) can never be dealt first.
const std::vector<CardNumber> kDull = {CardOf(1, 2), CardOf(2, 5), CardOf(3, 9), CardOf(4, 11),
                                       CardOf(1, 13)};
const std::vector<CardNumber> kHeartsFlush = {CardOf(3, 2), CardOf(3, 5), CardOf(3, 7),
                                              CardOf(3, 9), CardOf(3, 11)};

// Whether the table shows a card face (mostly white) in the card box at topLeft.
inline bool ShowsFace(MainForm& f, QPoint topLeft) {
    const QImage& image = f.table()->surface().image();
    const qreal ratio = image.devicePixelRatio();
    int white = 0;
    for (int y = 0; y < 96; y += 4)
        for (int x = 0; x < 71; x += 4)
            if (image.pixelColor(int((topLeft.x() + x) * ratio), int((topLeft.y() + y) * ratio))
                    .lightness() > 200)
                ++white;
    return white > 200;
}

// The waiting table: black, with the five slot marks.
inline QImage IdleTable() {
    QWidget view;
    view.setFixedSize(kTableWidth, kTableHeight);
    cardlib::TableSurface surface(&view, view.size());
    const cardlib::WindowHandle handle = cardlib::RegisterSurface(&surface);
    for (int i = 1; i <= 5; ++i)
        cardlib::DrawSymbol(handle, cardlib::kEmptySlotSymbol, SlotLeft(i), 167);
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
        m.splashShown =
            SingleWindow<frmSplash>::exists() && SingleWindow<frmSplash>::instance().isVisible();
        m.message = S().MessageText;
        m.playerFile = QString::fromUtf8(Read("NewPlayer.dat"));
        m.bet = S().Bet;
        m.credit = S().Credit;
        m.win = S().Win;
        m.stage = S().Stage;
        m.deckPosition = S().DeckPosition;
        m.lastBet = S().LastBet;
        m.recordCredit = S().PlayerRecord.Credit;
        m.bankruptCount = S().BankruptCount;
        m.stageCleared = S().StageCleared;
        m.gameOver = S().GameOver;
        m.inProgress = S().GameInProgress;
        m.firstSelection = S().FirstSelection;
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
                if (k < 1 || k < j)
                    ADD_FAILURE() << "card " << first[j] << " cannot be dealt at " << j;
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
        MainForm& f = Play(3, {CardOf(4, 9), CardOf(1, 2), CardOf(2, 2), CardOf(3, 2), CardOf(1, 5),
                               CardOf(2, 5)});
        Pick(1);
        EXPECT_TRUE(S().GameOver);
        return f;
    }

    // A game with a stake of 1 that ends at its first pick, winning nothing.
    MainForm& LoseWithNothing() {
        MainForm& f = Play(1, {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5),
                               CardOf(2, 9)});
        Pick(1);
        EXPECT_TRUE(S().GameOver);
        EXPECT_EQ(S().Win, 0);
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
        ArrangeDeal({c[0], c[48], c[49], c[50], c[51]},
                    std::vector<CardNumber>(c.begin() + 1, c.begin() + 48));
    }
    static int SlotForPick(int pick) { return pick <= 48 ? 1 : pick - 47; }

    void Fresh() {
        MainForm::destroyInstance();
        TheGame().reset();
        QDir(directory.path()).removeRecursively();
        QDir().mkpath(directory.path());
        boxes->calls.clear();
        upcoming_.clear();
        Forget();
    }

    std::vector<Moment> timeline;

private:
    std::deque<std::vector<CardNumber>> upcoming_;
    std::array<double, 52> draws_{};
    long draw_ = 0;
};

}  // namespace zarvelo::testing
