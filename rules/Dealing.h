// The deck, the deal and the marking of playable cards.
#pragma once

#include <functional>

#include "state/GameState.h"

namespace zarvelo {

// Readies the card library for the main window; on failure tells the user and returns false,
// after which the program must end.
bool LoadCardLibrary();

// Every chart cell back to its rank: the whole deck is still to come.
void FillCardChart(GameState& s);
void ShuffleDeck();
void DealTable();
void ShowPlayableCards();
void RefreshTable();

// The shuffle's random numbers, uniform in [0, 1); tests replace the source to fix a deck.
using RandomSource = std::function<double()>;
void SetRandomSource(RandomSource source);  // empty restores the clock-seeded generator

}  // namespace zarvelo
