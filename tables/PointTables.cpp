// The card-point table and the poker prize table, both scaled to the stake.
#include "tables/PointTables.h"

namespace zarvelo {

void BuildPointTable() { PointRate = UnitPointRates(); }

QString PointRangeText(int k) {
    if (k == 0) return QStringLiteral("This Stage Clear");
    if (k <= 3) return QString::number(kCardsInDeck - k);
    // From entry 4 down, each entry stands for three counts: 46-48, 43-45, ... 10-12.
    const int low = 46 - 3 * (k - 4);
    return QString::number(low) + QLatin1Char('-') + QString::number(low + 2);
}

void ResetPointTable() {
    for (int k = 0; k < kPointRows; ++k) PointRange[k] = PointRangeText(k);
    PointValue = PointRate;
    GameCards = 0;
}

void SetPokerPrizes() {
    for (int k = 0; k < kPokerHands; ++k) {
        PokerPrize[k] = SaturatingMul(kPokerPrizePerUnit[k], Bet);
        PokerCount[k] = 0;
    }
}

void ScalePointValues() {
    for (int k = 0; k < kPointRows; ++k) PointValue[k] = SaturatingMul(PointRate[k], Bet);
}

}  // namespace zarvelo
