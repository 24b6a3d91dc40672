// The card-point table and the poker prize table, both scaled to the stake.
#pragma once

#include <QString>
#include <array>

#include "state/GameState.h"

namespace zarvelo {

void BuildPointTable(GameState& s);
void ResetPointTable(GameState& s);
void SetPokerPrizes(GameState& s);
void ScalePointValues(GameState& s);

// What each entry of the card-point table adds to the entries below it for a stake of one, from
// "This Stage Clear" down to "10-12".
inline constexpr std::array<Counter, kPointRows> kPointIncrements = {50, 8, 7, 6, 5, 5, 5, 4, 4,
                                                                     4,  3, 3, 3, 2, 2, 2, 1};

// Each entry's value for a stake of one: the running total from the bottom entry up.
constexpr std::array<Counter, kPointRows> UnitPointRates() {
    std::array<Counter, kPointRows> rates = kPointIncrements;
    for (int k = kPointRows - 2; k >= 0; --k) rates[k] += rates[k + 1];
    return rates;
}

// The counts of cards entry k stands for ("This Stage Clear", "51", ..., "10-12").
QString PointRangeText(int k);

// The panel's rows 1 to 6 show entries 11 to 16 until the stage's count moves them.
inline constexpr int kFirstPanelEntry = 10;

// The prize of each hand for a stake of one, in the order of the prize table.
inline constexpr std::array<Counter, kPokerHands> kPokerPrizePerUnit = {500, 20, 10, 5, 1};

}  // namespace zarvelo
