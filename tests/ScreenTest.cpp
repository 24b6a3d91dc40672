// The status labels, the "Card Point" and "Porker Prize" panels and the card chart.
#include "cardlib/CardLib.h"
#include "rules/Dealing.h"
#include "screen/CardChart.h"
#include "screen/ScreenObject.h"
#include "state/GameState.h"
#include "tables/PointTables.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"

namespace zarvelo::testing {
namespace {

using ScreenTest = GameFixture;

const QColor kWhite(255, 255, 255), kPink(255, 192, 192);

TEST_F(ScreenTest, CardPointViewForEveryCountInTwoStages) {
    MainForm& f = Form();
    BuildPointTable(S());
    ResetPointTable(S());
    S().Bet = 2;
    ScalePointValues(S());
    struct View {
        int n, first, row;
    };
    const View listed[] = {{15, 16, 6}, {19, 14, 6}, {23, 13, 6}, {27, 11, 6},
                           {31, 12, 6}, {39, 8, 6},  {43, 6, 6},  {47, 6, 5},
                           {49, 6, 3},  {50, 6, 2},  {51, 6, 1},  {52, 6, 0}};
    for (Counter stage : {1, 2}) {
        for (int n = 0; n <= 52; ++n) {
            View expected{n, 16, -1};
            for (const View& v : listed)
                if (v.n == n) expected = v;
            S().Stage = stage;
            S().GameCards = (stage - 1) * 52 + n;
            ShowCardPoints();
            for (int r = 1; r <= 6; ++r) {
                const int k = expected.first - (6 - r);
                EXPECT_EQ(f.LabelPoint[r]->text(), kPointRangeTexts[k])
                    << stage << "/" << n << " row " << r;
                EXPECT_EQ(f.LabelPointValue[r]->text(), QString::number(S().PointValue[k]));
            }
            for (int r = 0; r <= 6; ++r) {
                const QColor colour = r == expected.row ? kPink : kWhite;
                EXPECT_EQ(f.LabelPoint[r]->textColour(), colour)
                    << stage << "/" << n << " row " << r;
                EXPECT_EQ(f.LabelPointValue[r]->textColour(), colour);
            }
            EXPECT_EQ(f.LabelPoint[0]->text(), "This Stage Clear");
            EXPECT_EQ(f.LabelNumberOfCards->text(), QString::number(S().GameCards));
        }
    }
}

TEST_F(ScreenTest, PokerPanelShowsPrizesForTheStakeAndZeroCounts) {
    MainForm& f = Form();
    S().Bet = 2;
    S().PokerCount = {3, 3, 3, 3, 3};
    SetPokerPrizes(S());
    ShowPokerTable();
    const char* const prizes[] = {"1000", "40", "20", "10", "2"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.LabelPorkerPoint[i]->text(), prizes[i]);
        EXPECT_EQ(f.LabelPorkerScore[i]->text(), "0");
    }
}

TEST_F(ScreenTest, StatusShowsNumbersMessageAndCaption) {
    MainForm& f = Form();
    S().Bet = 3, S().Credit = 97, S().HiScore = 40, S().TotalCards = 12, S().Win = -5,
    S().GameCards = 12;
    S().MessageText = "Flush";
    S().MainCaption = "Zarvelo(Taro)";
    ShowStatus();
    EXPECT_EQ(f.LabelBet->text(), "3");
    EXPECT_EQ(f.LabelCredit->text(), "97");
    EXPECT_EQ(f.LabelHiscore->text(), "40");
    EXPECT_EQ(f.LabelScore->text(), "12");
    EXPECT_EQ(f.LabelWin->text(), "-5");
    EXPECT_EQ(f.LabelMessage->text(), "Flush");
    EXPECT_EQ(f.windowTitle(), "Zarvelo(Taro)");
    EXPECT_EQ(f.LabelNumberOfCards->text(), "12");
}

TEST_F(ScreenTest, ChartRowsAfterADealMissExactlyTheTableCards) {
    MainForm& f = Form();
    S().Stage = 1;
    DealTable(S());
    ShowCardChart();
    int missing = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        const QString text = f.LeftCard[suit - 1]->text();
        EXPECT_TRUE(text.endsWith(' '));
        for (int value = 1; value <= 13; ++value) {
            bool onTable = false;
            for (int i = 1; i <= 5; ++i)
                onTable = onTable || S().TableCards[i] == cardlib::CardOf(suit, value);
            const bool blank = S().CardChart[suit - 1][value - 1] == ' ';
            EXPECT_EQ(blank, onTable);
            missing += blank;
        }
    }
    EXPECT_EQ(missing, 5);
}

TEST_F(ScreenTest, ChartTextKeepsColumnsAndEmptiesToSpaces) {
    FillCardChart(S());
    EXPECT_EQ(CardChartRowText(0), "A 2 3 4 5 6 7 8 9 10 J Q K ");
    S().CardChart[0][1] = ' ';
    EXPECT_TRUE(CardChartRowText(0).startsWith("A   3"));
    S().CardChart[1][9] = ' ';
    EXPECT_TRUE(CardChartRowText(1).contains("9    J"));
    for (auto& row : S().CardChart) row.fill(' ');
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CardChartRowText(i), QString(27, ' '));
    FillCardChart(S());
    S().CardChart[2][9] = 'x';  // any character but a space shows the ten
    EXPECT_TRUE(CardChartRowText(2).contains("9 10 J"));
}

TEST_F(ScreenTest, ResetChartShowsTheFullListWhateverTheCells) {
    MainForm& f = Form();
    for (auto& row : S().CardChart) row.fill(' ');
    ResetCardChart();
    for (Label* row : f.LeftCard) EXPECT_EQ(row->text(), "A 2 3 4 5 6 7 8 9 10 J Q K");
}

}  // namespace
}  // namespace zarvelo::testing
