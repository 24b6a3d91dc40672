// The shared state's start values and its saturating counter arithmetic.
#include <gtest/gtest.h>

#include <climits>

#include "state/GameState.h"

namespace zarvelo {
namespace {

TEST(GameState, ResetGivesEmptyValues) {
    Bet = 4;
    Deck[10] = 7;
    PlayerName = "Taro";
    Ranking[2].Cards = 9;
    GameOver = true;
    ResetGameState();
    EXPECT_EQ(Bet, 0);
    EXPECT_EQ(Deck[10], 0);
    EXPECT_TRUE(PlayerName.isEmpty());
    EXPECT_EQ(Ranking[2].Cards, 0);
    EXPECT_FALSE(GameOver);
    EXPECT_FALSE(FirstSelection);
    EXPECT_EQ(Deck.size(), 57u);
    EXPECT_EQ(TableCards.size(), 6u);
    EXPECT_EQ(PointRate.size(), 17u);
    EXPECT_EQ(PokerPrize.size(), 5u);
    EXPECT_EQ(Ranking.size(), 5u);
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
