// Where things lie on the table, in client pixels of the main window: the card slots, the frames
// that mark playable cards and the rows that take a press.
#pragma once

#include <QPoint>
#include <QRect>

#include "cardlib/CardLib.h"

namespace zarvelo {

inline constexpr int kTableWidth = 427, kTableHeight = 310;

// Slot 0 holds the current card; slots 1 to 5 are the row, 85 pixels apart.
constexpr QPoint SlotOrigin(int slot) {
    return slot == 0 ? QPoint(177, 7) : QPoint(7 + 85 * (slot - 1), 167);
}
constexpr QRect SlotRect(int slot) {
    return QRect(SlotOrigin(slot), QSize(cardlib::kCardWidth, cardlib::kCardHeight));
}

// The frame that marks a playable row card stands 5 pixels out from it.
constexpr QRect NoticeFrameRect(int slot) { return SlotRect(slot).adjusted(-5, -5, 5, 5); }

// A press between these rows (both inclusive) may take a row card: from 7 pixels above the cards
// to 6 above their bottom edge.
inline constexpr int kRowTop = 160, kRowBottom = 256;

}  // namespace zarvelo
