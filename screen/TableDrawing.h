// The waiting table shown while the player bets.
#pragma once

namespace zarvelo {

void ShowIdleTable();

}  // namespace zarvelo
