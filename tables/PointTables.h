// The card-point table and the poker prize table, both scaled to the stake.
#pragma once

namespace zarvelo {

void BuildPointTable();
void ResetPointTable();
void SetPokerPrizes();
void ScalePointValues();

}  // namespace zarvelo
