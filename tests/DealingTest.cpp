// Shuffling, dealing, drawing the table and marking the cards that may be taken.
#include <QSet>
#include <deque>

#include "cardlib/CardLib.h"
#include "rules/Dealing.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
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
        ShuffleDeck();
        QSet<int> seen;
        for (int i = 0; i < 52; ++i) seen.insert(Deck[i]);
        ASSERT_EQ(seen.size(), 52);
        ASSERT_FALSE(seen.contains(0));
        for (int i = 52; i < 57; ++i) ASSERT_EQ(Deck[i], 0);
    }
}

TEST_F(DealingTest, PositionZeroIsNeverASwapPartner) {
    // With every draw at the lowest value each card swaps with position 1 only; with every draw
    // at the top (and beyond) with position 51.
    for (double r : {0.0, -3.0, 0.99999999, 1.0, 7.5}) {
        SetRandomSource([r] { return r; });
        ShuffleDeck();
        QSet<int> seen;
        for (int i = 0; i < 52; ++i) seen.insert(Deck[i]);
        EXPECT_EQ(seen.size(), 52) << r;
    }
    // Position 0 changes only at j = 0: it ends holding what position k held after that swap.
    SetRandomSource([] { return 0.0; });
    ShuffleDeck();
    EXPECT_EQ(Deck[0], 2);
    EXPECT_EQ(Deck[1], 52);  // the last swap j = 51 brings card 52 to position 1
}

TEST_F(DealingTest, AFixedSourceGivesAPinnedDeck) {
    std::deque<double> draws;
    for (int j = 0; j < 52; ++j) draws.push_back(((j * 37) % 52) / 52.0);
    SetRandomSource([&draws] {
        const double r = draws.front();
        draws.pop_front();
        return r;
    });
    ShuffleDeck();
    // Recomputed step by step from the same draws.
    std::array<int, 57> expected{};
    for (int i = 0; i < 52; ++i) expected[i] = i + 1;
    for (int j = 0; j < 52; ++j) {
        const int k = static_cast<int>(51.0 * (((j * 37) % 52) / 52.0)) + 1;
        std::swap(expected[j], expected[k]);
    }
    EXPECT_EQ(Deck, expected);
    EXPECT_EQ(Deck[0], expected[0]);
}

TEST_F(DealingTest, TwoDealsInARowDiffer) {
    ShuffleDeck();
    const auto first = Deck;
    ShuffleDeck();
    EXPECT_NE(Deck, first);
}

TEST_F(DealingTest, ADealFillsTheRowAndResetsTheGameUnlessAStageWasCleared) {
    Form();
    PlayerName = "Taro";
    GameCards = TotalCards = 30;
    Stage = 3;
    GameOver = true;
    TableCards[0] = 17;
    DealTable();
    EXPECT_EQ(DeckPosition, 5);
    EXPECT_TRUE(FirstSelection);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(TableCards[i], Deck[i - 1]);
    EXPECT_EQ(TableCards[0], 17);
    EXPECT_EQ(GameCards, 0);
    EXPECT_EQ(TotalCards, 0);
    EXPECT_EQ(Stage, 1);
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(MainCaption, "Zarvelo(Taro)");

    GameCards = TotalCards = 52;
    Stage = 2;
    StageCleared = true;
    DealTable();
    EXPECT_EQ(GameCards, 52);
    EXPECT_EQ(TotalCards, 52);
    EXPECT_EQ(Stage, 2);
    EXPECT_TRUE(StageCleared);
}

TEST_F(DealingTest, FramesMarkWhatMayBeTaken) {
    MainForm& f = Form();
    auto card = [](int suit, int value) { return (suit - 1) * 13 + value; };
    TableCards = {card(3, 7), card(3, 13), card(4, 7), card(1, 2), 0, card(3, 1)};
    FirstSelection = true;
    ShowPlayableCards();
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_FALSE(PlayableExists);

    FirstSelection = false;
    ShowPlayableCards();
    const bool expected[] = {true, true, false, false, true};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.FrameNotice[i]->isVisible(), expected[i - 1]) << i;
    EXPECT_TRUE(PlayableExists);

    TableCards = {card(3, 7), card(1, 2), 0, card(2, 9), 0, card(4, 11)};
    ShowPlayableCards();
    EXPECT_FALSE(PlayableExists);
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
    Stage = 1;
    DealTable();
    RefreshTable();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(ShowsCardAt(f, QPoint(7 + 85 * (i - 1), 167))) << i;
        EXPECT_TRUE(f.FrameNotice[i]->isVisible());
    }
    EXPECT_FALSE(ShowsCardAt(f, QPoint(177, 7)));  // no current card before the first pick

    FirstSelection = false;
    TableCards[0] = TableCards[2];
    TableCards[2] = 0;
    RefreshTable();
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
