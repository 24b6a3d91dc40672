// Shuffling, dealing, drawing the table and marking the cards that may be taken.
#include <QSet>
#include <functional>

#include "cardlib/CardLib.h"
#include "rules/Dealing.h"
#include "screen/TableDrawing.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

class DealingTest : public GameFixture {
protected:
    void TearDown() override {
        SetRandomSource({});
        GameFixture::TearDown();
    }
};

TEST_F(DealingTest, ShuffleIsAPermutationWithFiveEmptyDraws) {
    for (int round = 0; round < 200; ++round) {
        ShuffleDeck(S());
        QSet<int> seen;
        for (int i = 0; i < 52; ++i) seen.insert(S().Deck[i]);
        ASSERT_EQ(seen.size(), 52);
        ASSERT_FALSE(seen.contains(0));
        for (int i = 52; i < 57; ++i) ASSERT_EQ(S().Deck[i], 0);
    }
}

TEST_F(DealingTest, PositionZeroIsNeverASwapPartner) {
    // With every draw at the lowest value each card swaps with position 1 only; with every draw
    // at the top (and beyond) with position 51.
    for (double r : {0.0, -3.0, 0.99999999, 1.0, 7.5}) {
        SetRandomSource([r] { return r; });
        ShuffleDeck(S());
        QSet<int> seen;
        for (int i = 0; i < 52; ++i) seen.insert(S().Deck[i]);
        EXPECT_EQ(seen.size(), 52) << r;
    }
    // Position 0 changes only at j = 0: it ends holding what position k held after that swap.
    SetRandomSource([] { return 0.0; });
    ShuffleDeck(S());
    EXPECT_EQ(S().Deck[0], 2);
    EXPECT_EQ(S().Deck[1], 52);  // the last swap j = 51 brings card 52 to position 1
}

// Decks written down once for fixed draws. With r = m / 52 the partner is k = m (1 for m = 0), so
// they can be followed by hand: draws of 0.5 swap every position with 26; with m = 37 j mod 52,
// card 2 ends first, and card 4 goes from 3 to 7 (j = 3), to 51 (j = 7), to 15 (j = 51).
TEST_F(DealingTest, FixedDrawsGivePinnedDecks) {
    using Deck57 = std::array<CardNumber, 57>;
    struct Case {
        const char* name;
        std::function<double(int)> draw;
        Deck57 deck;
    };
    const Case cases[] = {
        {"every draw 0.5",
         [](int) { return 0.5; },
         {27, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
          19, 20, 21, 22, 23, 24, 25, 52, 26, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37,
          38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 0,  0,  0,  0,  0}},
        {"draw j is (37 j mod 52) / 52",
         [](int j) { return ((j * 37) % 52) / 52.0; },
         {2,  46, 39, 32, 25, 18, 11, 52, 13, 26, 3,  20, 17, 14, 51, 4,  5,  1,  31,
          24, 29, 50, 35, 16, 33, 6,  27, 44, 49, 34, 7,  12, 9,  42, 15, 48, 41, 30,
          19, 40, 45, 22, 47, 8,  21, 10, 23, 28, 37, 38, 43, 36, 0,  0,  0,  0,  0}},
    };
    for (const Case& c : cases) {
        int j = 0;
        SetRandomSource([&] { return c.draw(j++); });
        ShuffleDeck(S());
        EXPECT_EQ(j, 52) << c.name;  // one draw per position
        EXPECT_EQ(S().Deck, c.deck) << c.name;
    }
}

TEST_F(DealingTest, TwoDealsInARowDiffer) {
    ShuffleDeck(S());
    const auto first = S().Deck;
    ShuffleDeck(S());
    EXPECT_NE(S().Deck, first);
}

TEST_F(DealingTest, ADealFillsTheRowAndResetsTheGameUnlessAStageWasCleared) {
    Form();
    S().PlayerName = "Taro";
    S().GameCards = S().TotalCards = 30;
    S().Stage = 3;
    S().GameOver = true;
    S().TableCards[0] = 17;
    DealTable(S());
    EXPECT_EQ(S().DeckPosition, 5);
    EXPECT_TRUE(S().FirstSelection);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(S().TableCards[i], S().Deck[i - 1]);
    EXPECT_EQ(S().TableCards[0], 17);
    EXPECT_EQ(S().GameCards, 0);
    EXPECT_EQ(S().TotalCards, 0);
    EXPECT_EQ(S().Stage, 1);
    EXPECT_FALSE(S().GameOver);
    EXPECT_EQ(S().MainCaption, "Zarvelo?(Taro)");

    S().GameCards = S().TotalCards = 52;
    S().Stage = 2;
    S().StageCleared = true;
    DealTable(S());
    EXPECT_EQ(S().GameCards, 52);
    EXPECT_EQ(S().TotalCards, 52);
    EXPECT_EQ(S().Stage, 2);
    EXPECT_TRUE(S().StageCleared);
}

TEST_F(DealingTest, FramesMarkWhatMayBeTaken) {
    MainForm& f = Form();
    constexpr auto card = cardlib::CardOf;
    S().TableCards = {card(3, 7), card(3, 13), card(4, 7), card(1, 2), 0, card(3, 1)};
    S().FirstSelection = true;
    S().GameInProgress = true;  // a deal's first pick, not the waiting table
    MarkPlayableCards(S());
    ShowPlayableCards();
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_FALSE(S().PlayableExists);

    S().FirstSelection = false;
    MarkPlayableCards(S());
    ShowPlayableCards();
    const bool expected[] = {true, true, false, false, true};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.FrameNotice[i]->isVisible(), expected[i - 1]) << i;
    EXPECT_TRUE(S().PlayableExists);

    S().TableCards = {card(3, 7), card(1, 2), 0, card(2, 9), 0, card(4, 11)};
    MarkPlayableCards(S());
    ShowPlayableCards();
    EXPECT_FALSE(S().PlayableExists);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
}

// Whether the surface shows a card face (mostly white) inside a card box.
bool ShowsCardAt(MainForm& f, QPoint topLeft) {
    const QImage& image = f.table()->surface().image();
    const qreal ratio = image.devicePixelRatio();
    int white = 0;
    for (int y = 0; y < 96; y += 4)
        for (int x = 0; x < 71; x += 4) {
            const QColor c =
                image.pixelColor(int((topLeft.x() + x) * ratio), int((topLeft.y() + y) * ratio));
            if (c.lightness() > 200) ++white;
        }
    return white > 200;
}

TEST_F(DealingTest, RefreshDrawsFiveFacesAtTheSlotsAndTheCurrentCardAfterAPick) {
    MainForm& f = Form();
    S().Stage = 1;
    S().GameInProgress = true;
    DealTable(S());
    RefreshTable(TheGame(), WindowSink());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(ShowsCardAt(f, QPoint(7 + 85 * (i - 1), 167))) << i;
        EXPECT_TRUE(f.FrameNotice[i]->isVisible());
    }
    EXPECT_FALSE(ShowsCardAt(f, QPoint(177, 7)));  // no current card before the first pick

    S().FirstSelection = false;
    S().TableCards[0] = S().TableCards[2];
    S().TableCards[2] = 0;
    RefreshTable(TheGame(), WindowSink());
    EXPECT_TRUE(ShowsCardAt(f, QPoint(177, 7)));
    EXPECT_FALSE(ShowsCardAt(f, QPoint(92, 167)));  // an emptied slot shows no card
    EXPECT_FALSE(f.FrameNotice[2]->isVisible());
}

TEST_F(DealingTest, FailingCardLibraryIsReportedAndEndsStartUp) {
    Form();
    cardlib::InjectInitializeFailure(true);
    EXPECT_FALSE(LoadCardLibrary());
    cardlib::InjectInitializeFailure(false);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, "Qcard32.dll couldn't be loaded");
    EXPECT_EQ(boxes->calls[0].title, "DLL Error");
    EXPECT_TRUE(LoadCardLibrary());
    EXPECT_EQ(boxes->calls.size(), 1u);
}

}  // namespace
}  // namespace zarvelo::testing
