// The card-point table and the poker prize table for every stake.
#include <gtest/gtest.h>

#include "rules/CardSelection.h"
#include "state/GameState.h"
#include "tables/PointTables.h"
#include "tests/GameFixture.h"

namespace zarvelo {
namespace {

const Counter kRates[17] = {114, 64, 56, 49, 43, 38, 33, 28, 24, 20, 16, 13, 10, 7, 5, 3, 1};

TEST(PointTables, BuildAndResetGiveTheTable) {
    TheGame().reset();
    S().GameCards = 9;
    BuildPointTable(S());
    ResetPointTable(S());
    for (int k = 0; k < 17; ++k) {
        EXPECT_EQ(S().PointRate[k], kRates[k]) << k;
        EXPECT_EQ(S().PointRange[k], testing::kPointRangeTexts[k]) << k;
        EXPECT_EQ(S().PointValue[k], kRates[k]) << k;
    }
    EXPECT_EQ(S().GameCards, 0);
}

TEST(PointTables, ValuesAndPrizesScaleWithEveryStake) {
    TheGame().reset();
    BuildPointTable(S());
    ResetPointTable(S());
    for (Counter bet = 1; bet <= 10; ++bet) {
        S().Bet = bet;
        S().PokerCount = {1, 2, 3, 4, 5};
        SetPokerPrizes(S());
        ScalePointValues(S());
        for (int k = 0; k < 17; ++k)
            EXPECT_EQ(S().PointValue[k], kRates[k] * bet) << bet << " " << k;
        const std::array<Counter, 5> prizes{500 * bet, 20 * bet, 10 * bet, 5 * bet, bet};
        EXPECT_EQ(S().PokerPrize, prizes) << bet;
        EXPECT_EQ(S().PokerCount, (std::array<Counter, 5>{})) << bet;
    }
}

TEST(PointTables, RatesAreTheRunningSumOfWhatTheCardsPay) {
    // Each row's rate is what the payouts add up to at the row's lowest count.
    const int lowest[17] = {0, 51, 50, 49, 46, 43, 40, 37, 34, 31, 28, 25, 22, 19, 16, 13, 10};
    TheGame().reset();
    BuildPointTable(S());
    for (int k = 1; k < 17; ++k) {
        int sum = 0;
        for (int n = 1; n <= lowest[k]; ++n) sum += CardPointMultiplier(n);
        EXPECT_EQ(S().PointRate[k], sum) << k;
    }
    EXPECT_EQ(S().PointRate[0], S().PointRate[1] + 50);
}

}  // namespace
}  // namespace zarvelo
