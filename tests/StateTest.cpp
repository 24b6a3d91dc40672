// The shared state's start values and its saturating counter arithmetic.
#include <gtest/gtest.h>

#include <climits>

#include "tests/TestState.h"

namespace zarvelo {
namespace {

TEST(GameState, ResetGivesEmptyValues) {
    S().Bet = 4;
    S().Deck[10] = 7;
    S().PlayerName = "Taro";
    S().Ranking[2].Cards = 9;
    S().GameOver = true;
    TheGame().reset();
    EXPECT_EQ(S().Bet, 0);
    EXPECT_EQ(S().Deck[10], 0);
    EXPECT_TRUE(S().PlayerName.isEmpty());
    EXPECT_EQ(S().Ranking[2].Cards, 0);
    EXPECT_FALSE(S().GameOver);
    EXPECT_FALSE(S().FirstSelection);
    EXPECT_EQ(S().Deck.size(), 57u);
    EXPECT_EQ(S().TableCards.size(), 6u);
    EXPECT_EQ(S().PointRate.size(), 17u);
    EXPECT_EQ(S().PokerPrize.size(), 5u);
    EXPECT_EQ(S().Ranking.size(), 5u);
}

TEST(GameState, CountersSaturate) {
    struct Case {
        Counter a, b, sum, product;
    };
    const Case cases[] = {
        {2, 3, 5, 6},
        {INT_MAX, 1, INT_MAX, INT_MAX},
        {INT_MIN, -1, INT_MIN, INT_MAX},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {-7, 4, -3, -28},
        {INT_MIN, 2, INT_MIN + 2, INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SaturatingAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(SaturatingMul(c.a, c.b), c.product) << c.a << " * " << c.b;
    }
}

}  // namespace
}  // namespace zarvelo
