// The cards and slot marks painted on the table through the card library.
#pragma once

#include "state/GameState.h"

namespace zarvelo {

// The waiting table shown while the player bets: empty slots and the betting buttons.
void ShowIdleTable();

// The current card and the row as they lie; at the first pick of a deal the table is cleared first.
void DrawTable();

// The card a repaint shows in a slot now: 0 where it shows bare table (the current card before
// the first pick of a deal) or the empty-slot mark (the row while the player bets).
CardNumber CardShownAt(int slot);

}  // namespace zarvelo
