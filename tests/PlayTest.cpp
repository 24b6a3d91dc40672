// Whole games driven through the window: betting, picks by real clicks, stage clear and game over.
#include <QPushButton>
#include <random>

#include "rules/Betting.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

class PlayTest : public GameFixture {
protected:
    // A chain through all 52 cards in which neighbours share a suit or a value.
    static std::vector<CardNumber> FullChain() {
        std::vector<CardNumber> chain;
        for (int v = 1; v <= 13; ++v) chain.push_back(CardOf(1, v));
        for (int v = 13; v >= 1; --v) chain.push_back(CardOf(2, v));
        for (int v = 1; v <= 13; ++v) chain.push_back(CardOf(3, v));
        for (int v = 13; v >= 1; --v) chain.push_back(CardOf(4, v));
        return chain;
    }

    // Lays out a deal in which taking slot 1 47 times and then slots 2 to 5 takes the chain.
    void ArrangeChainDeal() {
        const auto c = FullChain();
        ArrangeDeal({c[0], c[48], c[49], c[50], c[51]},
                    std::vector<CardNumber>(c.begin() + 1, c.begin() + 48));
    }

    static int SlotForPick(int pick) { return pick <= 48 ? 1 : pick - 47; }
    void Pick(int slot) { ClickTable(SlotLeft(slot) + 30, 200); }
};

TEST_F(PlayTest, HitRangesOfTheRow) {
    struct Case {
        int x, y;
        int slotTaken;
    };
    const Case cases[] = {
        {78, 160, 1},  {79, 160, 0},  {78, 159, 0},  {78, 257, 0},  {7, 256, 1},   {6, 200, 0},
        {92, 200, 2},  {91, 200, 0},  {163, 200, 2}, {164, 200, 0}, {177, 160, 3}, {248, 256, 3},
        {249, 200, 0}, {262, 200, 4}, {333, 200, 4}, {334, 200, 0}, {347, 200, 5}, {418, 200, 5},
        {419, 200, 0}, {420, 200, 0}, {200, 100, 0},
    };
    for (const Case& c : cases) {
        const std::vector<CardNumber> row = {CardOf(1, 2), CardOf(2, 3), CardOf(3, 4), CardOf(4, 5),
                                             CardOf(1, 6)};
        StartWithRow(row, {CardOf(1, 9)});
        ClickTable(c.x, c.y);
        if (c.slotTaken == 0) {
            EXPECT_TRUE(S().FirstSelection) << c.x << "," << c.y;
            EXPECT_EQ(S().DeckPosition, 5);
        } else {
            EXPECT_EQ(S().TableCards[0], row[c.slotTaken - 1]) << c.x << "," << c.y;
            EXPECT_EQ(S().TableCards[c.slotTaken], CardOf(1, 9));
        }
        MainForm::destroyInstance();
        TheGame().reset();
    }
}

TEST_F(PlayTest, FirstPickTakesAnyCardThenSuitOrValueChains) {
    MainForm& f =
        StartWithRow({CardOf(3, 7), CardOf(3, 13), CardOf(4, 7), CardOf(1, 2), CardOf(2, 9)},
                     {CardOf(2, 2), CardOf(4, 13), CardOf(1, 3)});
    f.LabelMessage->setText("Select the first card please !");
    Pick(1);  // hearts 7, first pick
    EXPECT_FALSE(S().FirstSelection);
    EXPECT_TRUE(f.LabelMessage->text().isEmpty());
    EXPECT_EQ(S().TableCards[0], CardOf(3, 7));
    EXPECT_EQ(sounds.last(), "floop_be.wav");
    Pick(4);  // clubs 2 matches neither suit nor value
    EXPECT_EQ(S().TableCards[0], CardOf(3, 7));
    EXPECT_EQ(S().GameCards, 1);
    Pick(2);  // hearts king: same suit
    EXPECT_EQ(S().TableCards[0], CardOf(3, 13));
    Pick(1);  // the refill, diamonds 2, matches nothing now
    EXPECT_EQ(S().GameCards, 2);
    EXPECT_EQ(S().TotalCards, 2);
    EXPECT_EQ(S().DeckPosition, 7);
    EXPECT_TRUE(S().GameInProgress);
}

TEST_F(PlayTest, ValueChainAndChartBlanking) {
    MainForm& f =
        StartWithRow({CardOf(3, 7), CardOf(4, 7), CardOf(1, 2), CardOf(1, 3), CardOf(2, 9)},
                     {CardOf(2, 11), CardOf(4, 12)});
    Pick(1);
    EXPECT_EQ(S().CardChart[1][10], ' ');  // the refill is out of the deck
    Pick(2);                               // spades 7: same value
    EXPECT_EQ(S().TableCards[0], CardOf(4, 7));
    EXPECT_EQ(S().CardChart[3][11], ' ');
    EXPECT_TRUE(f.FrameNotice[2]->isVisible());  // spades queen is playable
}

TEST_F(PlayTest, AStageIsClearedPaidAndDealtAgainWithinTheGame) {
    MainForm& f = StartWithRow({1, 2, 3, 4, 5});
    S().Bet = 2;
    ArrangeChainDeal();
    Counter paidBeforeLast = 0;
    for (int pick = 1; pick <= 52; ++pick) {
        if (pick == 52) paidBeforeLast = S().Win;
        Pick(SlotForPick(pick));
        ASSERT_EQ(S().GameCards, pick) << pick;
        if (pick >= 48 && pick < 52) {
            EXPECT_EQ(S().TableCards[SlotForPick(pick)], 0) << pick;
            EXPECT_FALSE(f.FrameNotice[SlotForPick(pick)]->isVisible());
        }
        if (pick == 47) {
            for (int i = 0; i < 4; ++i) EXPECT_EQ(f.LeftCard[i]->text(), QString(27, ' '));
        }
        if (pick < 52) {
            ASSERT_TRUE(boxes->calls.empty()) << pick;
        }
    }
    EXPECT_EQ(S().Win - paidBeforeLast, 500 * 1 * 2);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, "You did it!! Try next game!");
    EXPECT_TRUE(sounds.contains("space152.wav"));
    EXPECT_EQ(S().Stage, 2);
    EXPECT_TRUE(S().StageCleared);
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_EQ(S().DeckPosition, 5);
    EXPECT_EQ(S().GameCards, 52);
    EXPECT_EQ(S().TotalCards, 52);

    // Stage 2 pays the same counts again, times the stage.
    ArrangeChainDeal();
    for (int pick = 1; pick <= 10; ++pick) {
        const Counter before = S().Win;
        Pick(SlotForPick(pick));
        if (pick == 10) {
            EXPECT_EQ(S().Win - before, 2 * 1 * 2);
        }
    }
    EXPECT_EQ(S().GameCards, 62);
    EXPECT_EQ(S().TotalCards, 62);
    EXPECT_EQ(S().Stage, 2);
}

TEST_F(PlayTest, TheCardPointPanelFollowsEveryCardTaken) {
    // Cards taken in the stage: the range text of the bottom row and the highlighted row.
    struct Row {
        int taken;
        const char* bottomRange;
        int highlighted;
    };
    static const Row kRows[] = {{14, "10-12", -1}, {15, "10-12", 6}, {16, "10-12", -1},
                                {19, "16-18", 6},  {31, "22-24", 6}, {47, "40-42", 5},
                                {48, "10-12", -1}, {51, "40-42", 1}, {52, "40-42", 0}};
    MainForm& f = StartWithRow({1, 2, 3, 4, 5});
    ArrangeChainDeal();
    const QColor highlight(255, 192, 192), plain(255, 255, 255);
    int next = 0;
    for (int pick = 1; pick <= 52 && next < static_cast<int>(std::size(kRows)); ++pick) {
        Pick(SlotForPick(pick));
        if (pick != kRows[next].taken) continue;
        const Row& row = kRows[next++];
        if (pick < 52) {
            EXPECT_EQ(f.LabelPoint[6]->text(), row.bottomRange) << pick;
        }
        for (int r = 0; r <= 6; ++r) {
            EXPECT_EQ(f.LabelPoint[r]->textColour(), r == row.highlighted ? highlight : plain)
                << pick << " row " << r;
        }
    }
    EXPECT_EQ(next, static_cast<int>(std::size(kRows)));
}

TEST_F(PlayTest, GameOverPaysTheWinAndKeepsTheBestScoreAndRanking) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)}, {CardOf(2, 9)});
    S().Ranking[0].Cards = 5;  // a better game: this one still beats the last place
    Pick(1);                   // hearts 7; the refill and the row share nothing with it
    EXPECT_TRUE(S().GameOver);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(f.LabelMessage->text(), "Game Over");
    EXPECT_EQ(sounds.last(), "boingg.wav");
    EXPECT_EQ(S().Credit, 99);
    EXPECT_EQ(S().HiScore, 1);
    EXPECT_EQ(f.LabelHiscore->text(), "1");
    EXPECT_EQ(S().Ranking[0].Cards, 5);
    EXPECT_EQ(S().Ranking[1].Cards, 1);
    EXPECT_EQ(S().Ranking[1].Date, QDate(2026, 12, 7));
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 2);
    EXPECT_EQ(S().PlayerRecord.Credit, 99);
    for (QPushButton* b : {f.CommandBet, f.CommandNextGame, f.CommandRepeatBet}) {
        EXPECT_TRUE(b->isVisible());
        EXPECT_TRUE(b->isEnabled());
    }
    EXPECT_EQ(S().Bet, 1);  // kept until the next press
    ClickTable(SlotLeft(2) + 5, 200);
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
}

TEST_F(PlayTest, WinningsOfTwelveCardsAreCreditedAtGameOver) {
    // Twelve hearts taken one after the other, then a row with nothing to match.
    std::vector<CardNumber> rest;
    for (int v = 2; v <= 12; ++v) rest.push_back(CardOf(3, v));
    rest.push_back(CardOf(1, 13));
    MainForm& f =
        StartWithRow({CardOf(3, 1), CardOf(1, 2), CardOf(2, 3), CardOf(4, 4), CardOf(1, 6)}, rest);
    S().Bet = 3;
    S().Credit = 97;
    for (int pick = 1; pick <= 12; ++pick) Pick(1);
    EXPECT_TRUE(S().GameOver);
    EXPECT_EQ(S().TotalCards, 12);
    EXPECT_EQ(S().Win, 3);  // ten cards paid once; the rows made no hand
    EXPECT_EQ(S().Credit, 100);
    (void)f;
}

TEST_F(PlayTest, BestScoreMovesOnlyOnAStrictImprovement) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)}, {CardOf(2, 9)});
    S().HiScore = 1;  // equal to the coming score
    Pick(1);
    EXPECT_TRUE(S().GameOver);
    EXPECT_EQ(S().TotalCards, 1);
    EXPECT_EQ(S().HiScore, 1);
    EXPECT_EQ(f.LabelHiscore->text(), "1");
}

TEST_F(PlayTest, TenUnitsStartTheGameByThemselves) {
    MainForm& f = StartUp();
    for (int i = 1; i <= 9; ++i) Press(f.CommandBet);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(S().Bet, 9);
    EXPECT_FALSE(f.CommandRepeatBet->isEnabled());
    Press(f.CommandBet);
    EXPECT_EQ(S().Bet, 10);
    EXPECT_EQ(S().Credit, 90);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_EQ(S().LastBet, 10);
    EXPECT_FALSE(f.CommandBet->isVisible());
    EXPECT_EQ(sounds.count("keybd1.wav"), 10);
    EXPECT_EQ(sounds.last(), "crystal.wav");
    EXPECT_EQ(f.LabelPorkerPoint[0]->text(), "5000");
    EXPECT_EQ(f.LabelPointValue[0]->text(), "1140");
}

TEST_F(PlayTest, TheLastCreditStartsTheGame) {
    MainForm& f = StartUp();
    S().Credit = 3;
    for (int i = 0; i < 3; ++i) Press(f.CommandBet);
    EXPECT_EQ(S().Bet, 3);
    EXPECT_EQ(S().Credit, 0);
    EXPECT_TRUE(S().GameInProgress);
}

TEST_F(PlayTest, StartWithNothingStakedDoesNothing) {
    MainForm& f = StartUp();
    Press(f.CommandNextGame);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(S().Credit, 100);
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(PlayTest, RepeatBetStakesWhatIsLeftWhenCreditIsShort) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)}, {CardOf(2, 9)});
    S().LastBet = S().Bet = 4;
    S().Credit = 2;
    Pick(1);
    ASSERT_TRUE(S().GameOver);
    Press(f.CommandRepeatBet);
    EXPECT_EQ(S().Bet, 2);
    EXPECT_EQ(S().Credit, 0);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_EQ(S().LastBet, 2);
}

TEST_F(PlayTest, BankruptcyFromGameOverGivesNewCredit) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)}, {CardOf(2, 9)});
    S().Credit = 0;
    Pick(1);
    ASSERT_TRUE(S().GameOver);
    ASSERT_EQ(S().Credit, 0);
    Press(f.CommandBet);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, QString::fromUtf8("破産しました。再度ゲームを開始します"));
    EXPECT_EQ(S().Credit, 100);
    EXPECT_EQ(S().Bet, 0);
    EXPECT_EQ(S().BankruptCount, 1);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(f.LabelCredit->text(), "100");
}

TEST_F(PlayTest, FirstUnitAfterGameOverClearsTheOldStake) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)}, {CardOf(2, 9)});
    S().Win = 5;
    Pick(1);
    ASSERT_TRUE(S().GameOver);
    Press(f.CommandBet);
    EXPECT_EQ(S().Bet, 1);
    EXPECT_EQ(S().Win, 0);
    EXPECT_FALSE(S().GameOver);
    EXPECT_TRUE(S().FirstSelection);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible());
}

TEST_F(PlayTest, RepaintWhileBettingShowsTheWaitingTable) {
    MainForm& f = StartUp();
    Press(f.CommandBet);
    f.LabelMessage->setText("something else");
    f.CommandNextGame->hide();
    f.Form_Paint();
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
    EXPECT_TRUE(f.CommandNextGame->isVisible());
}

TEST_F(PlayTest, RepaintDuringAGameKeepsCardsAndFrames) {
    MainForm& f = StartWithRow(
        {CardOf(3, 7), CardOf(3, 13), CardOf(4, 7), CardOf(1, 2), CardOf(2, 9)}, {CardOf(2, 2)});
    Pick(1);
    const QImage before = f.table()->surface().image().copy();
    std::array<bool, 6> frames{};
    for (int i = 1; i <= 5; ++i) frames[i] = f.FrameNotice[i]->isVisible();
    f.table()->surface().clear();
    f.Form_Paint();
    EXPECT_EQ(f.table()->surface().image(), before);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.FrameNotice[i]->isVisible(), frames[i]);
}

// Random presses and clicks never break the rules that hold between events.
TEST_F(PlayTest, RandomEventsKeepTheInvariants) {
    MainForm& f = StartUp();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> kind(0, 9), x(0, 426), y(150, 270);
    bool dealt = false;
    for (int event = 0; event < 20000; ++event) {
        const int k = kind(random);
        QPushButton* button = k == 0   ? f.CommandBet
                              : k == 1 ? f.CommandNextGame
                              : k == 2 ? f.CommandRepeatBet
                                       : nullptr;
        if (button) {
            if (button->isVisible() && button->isEnabled()) Press(button);
        } else {
            ClickTable(x(random), y(random));
        }
        dealt = dealt || S().DeckPosition > 0;
        ASSERT_GE(S().Bet, 0) << event;
        ASSERT_LE(S().Bet, 10) << event;
        ASSERT_GE(S().Credit, 0) << event;
        if (dealt) {
            ASSERT_GE(S().DeckPosition, 5) << event;
            ASSERT_LE(S().DeckPosition, 57) << event;
        }
        if (S().GameInProgress) {
            ASSERT_EQ(S().GameCards, S().TotalCards) << event;
        }
        ASSERT_FALSE(S().GameOver && S().GameInProgress) << event;
        const Counter inStage = S().GameCards - (S().Stage - 1) * 52;
        if (S().GameInProgress) {
            ASSERT_GE(inStage, 0);
            ASSERT_LE(inStage, 52);
        }
    }
    EXPECT_GT(S().PlayerRecord.GamesPlayed, 10);
}

}  // namespace
}  // namespace zarvelo::testing
