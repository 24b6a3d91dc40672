// What each slot of the table shows and whether its card may be taken.
#include "rules/TableSlots.h"

#include "cardlib/CardLib.h"

namespace zarvelo {

bool Accepts(const GameState& s, CardNumber current, CardNumber candidate) {
    return s.FirstSelection || cardlib::GetCardSuit(candidate) == cardlib::GetCardSuit(current) ||
           cardlib::GetCardValue(candidate) == cardlib::GetCardValue(current);
}

TableSlotViews ViewOfTable(const GameState& s) {
    const bool betting = s.FirstSelection && !s.GameInProgress;
    TableSlotViews view{};
    view[0].card = s.FirstSelection ? 0 : s.TableCards[0];
    for (int i = 1; i < kTableSlots; ++i) {
        if (betting) continue;
        view[i].card = s.TableCards[i];
        view[i].playable = Accepts(s, s.TableCards[0], s.TableCards[i]);
    }
    return view;
}

}  // namespace zarvelo
