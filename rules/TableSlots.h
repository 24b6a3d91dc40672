// What each slot of the table shows and whether its card may be taken: the one answer that the
// drawing, the frames that mark playable cards and the screen reader all read.
#pragma once

#include <array>

#include "state/GameState.h"

namespace zarvelo {

struct SlotView {
    CardNumber card = 0;    // 0: bare table (slot 0 before a deal's first pick) or the slot mark
    bool playable = false;  // framed in red: a click there takes the card
};

using TableSlotViews = std::array<SlotView, kTableSlots>;

// While the player bets the row shows the slot marks and nothing may be taken; after a deal every
// row slot may be taken until the first pick, and from then on those sharing the current card's
// suit or value.
TableSlotViews ViewOfTable(const GameState& s);

// The pick rule: any card at the first pick of a deal, otherwise one of the same suit or value.
bool Accepts(const GameState& s, CardNumber current, CardNumber candidate);

}  // namespace zarvelo
