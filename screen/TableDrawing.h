// The cards and slot marks painted on the table through the card library.
#pragma once

#include "state/GameState.h"

namespace zarvelo {

// The waiting table shown while the player bets: empty slots and the betting buttons.
void ShowIdleTable();

// The current card and the row as they lie; at the first pick of a deal the table is cleared first.
void DrawTable();

}  // namespace zarvelo
