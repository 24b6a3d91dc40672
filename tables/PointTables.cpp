// The card-point table and the poker prize table, both scaled to the stake.
#include "tables/PointTables.h"

#include "state/GameState.h"

namespace zarvelo {

void BuildPointTable() {
    static constexpr Counter kIncrements[kPointRows] = {50, 8, 7, 6, 5, 5, 5, 4, 4,
                                                        4,  3, 3, 3, 2, 2, 2, 1};
    for (int k = 0; k < kPointRows; ++k) PointRate[k] = kIncrements[k];
    // Each row holds the running total from the bottom row up.
    for (int k = kPointRows - 2; k >= 0; --k) PointRate[k] += PointRate[k + 1];
}

void ResetPointTable() {
    PointRange[0] = QStringLiteral("This Stage Clear");
    for (int k = 1; k <= 3; ++k) PointRange[k] = QString::number(52 - k);
    int k = 4;
    for (int c = 46; c >= 10; c -= 3, ++k) {
        PointRange[k] = QString::number(c) + QLatin1Char('-') + QString::number(c + 2);
    }
    PointValue = PointRate;
    GameCards = 0;
}

void SetPokerPrizes() {
    static constexpr Counter kMultipliers[kPokerHands] = {500, 20, 10, 5, 1};
    for (int k = 0; k < kPokerHands; ++k) {
        PokerPrize[k] = SaturatingMul(kMultipliers[k], Bet);
        PokerCount[k] = 0;
    }
}

void ScalePointValues() {
    for (int k = 0; k < kPointRows; ++k) PointValue[k] = SaturatingMul(PointRate[k], Bet);
}

}  // namespace zarvelo
