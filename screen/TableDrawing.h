// The cards and slot marks painted on the table through the card library.
#pragma once

#include "state/GameState.h"

namespace zarvelo {

// Readies the card library for the main window; on failure tells the user and returns false,
// after which the program must end.
bool LoadCardLibrary();

// The red frames around the row cards that may be taken.
void ShowPlayableCards();

// Status, card chart, frames and the cards as they lie.
void ShowTable();

// The table cleared to black.
void ClearTable();

// The waiting table shown while the player bets: empty slots and the betting buttons.
void ShowIdleTable();

// The current card and the row as they lie; at the first pick of a deal the table is cleared first.
void DrawTable();

}  // namespace zarvelo
