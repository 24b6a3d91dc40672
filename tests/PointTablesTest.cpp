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
    ResetGameState();
    GameCards = 9;
    BuildPointTable();
    ResetPointTable();
    for (int k = 0; k < 17; ++k) {
        EXPECT_EQ(PointRate[k], kRates[k]) << k;
        EXPECT_EQ(PointRange[k], testing::kPointRangeTexts[k]) << k;
        EXPECT_EQ(PointValue[k], kRates[k]) << k;
    }
    EXPECT_EQ(GameCards, 0);
}

TEST(PointTables, ValuesAndPrizesScaleWithEveryStake) {
    ResetGameState();
    BuildPointTable();
    ResetPointTable();
    for (Counter bet = 1; bet <= 10; ++bet) {
        Bet = bet;
        PokerCount = {1, 2, 3, 4, 5};
        SetPokerPrizes();
        ScalePointValues();
        for (int k = 0; k < 17; ++k) EXPECT_EQ(PointValue[k], kRates[k] * bet) << bet << " " << k;
        const std::array<Counter, 5> prizes{500 * bet, 20 * bet, 10 * bet, 5 * bet, bet};
        EXPECT_EQ(PokerPrize, prizes) << bet;
        EXPECT_EQ(PokerCount, (std::array<Counter, 5>{})) << bet;
    }
}

TEST(PointTables, RatesAreTheRunningSumOfWhatTheCardsPay) {
    // Each row's rate is what the payouts add up to at the row's lowest count.
    const int lowest[17] = {0, 51, 50, 49, 46, 43, 40, 37, 34, 31, 28, 25, 22, 19, 16, 13, 10};
    ResetGameState();
    BuildPointTable();
    for (int k = 1; k < 17; ++k) {
        int sum = 0;
        for (int n = 1; n <= lowest[k]; ++n) sum += CardPointMultiplier(n);
        EXPECT_EQ(PointRate[k], sum) << k;
    }
    EXPECT_EQ(PointRate[0], PointRate[1] + 50);
}

}  // namespace
}  // namespace zarvelo
