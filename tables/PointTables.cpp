// The card-point table and the poker prize table, both scaled to the stake.
#include "tables/PointTables.h"

namespace zarvelo {

void BuildPointTable(GameState& s) { s.PointRate = UnitPointRates(); }

QString PointRangeText(int k) {
    if (k == 0) return QStringLiteral("This Stage Clear");
    if (k <= 3) return QString::number(kCardsInDeck - k);
    // From entry 4 down, each entry stands for three counts: 46-48, 43-45, ... 10-12.
    const int low = 46 - 3 * (k - 4);
    return QString::number(low) + QLatin1Char('-') + QString::number(low + 2);
}

void ResetPointTable(GameState& s) {
    for (int k = 0; k < kPointRows; ++k) s.PointRange[k] = PointRangeText(k);
    s.PointValue = s.PointRate;
    // A new stake's panel counts from nothing.
    s.GameCards = 0;
}

void SetPokerPrizes(GameState& s) {
    for (int k = 0; k < kPokerHands; ++k) {
        s.PokerPrize[k] = SaturatingMul(kPokerPrizePerUnit[k], s.Bet);
        s.PokerCount[k] = 0;
    }
}

void ScalePointValues(GameState& s) {
    for (int k = 0; k < kPointRows; ++k) s.PointValue[k] = SaturatingMul(s.PointRate[k], s.Bet);
}

}  // namespace zarvelo
