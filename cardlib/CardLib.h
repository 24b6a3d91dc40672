// The card library: card identity and the painting of faces and slot marks onto a table surface.
#pragma once

#include <cstdint>

namespace zarvelo::cardlib {

class TableSurface;

// A window handle as the library sees it: a number naming a registered table surface.
using WindowHandle = std::int32_t;

// Every face is this size, in logical pixels.
inline constexpr int kCardWidth = 71, kCardHeight = 96;

WindowHandle RegisterSurface(TableSurface* surface);
void UnregisterSurface(WindowHandle handle);
TableSurface* SurfaceFor(WindowHandle handle);

// Non-zero when the library is ready for the window.
std::int32_t InitializeDeck(WindowHandle window);

// Paints card face up with its top-left corner at (x, y); a card outside 1..52 paints nothing.
std::int32_t DealCard(WindowHandle window, std::int32_t card, std::int32_t x, std::int32_t y);

// Paints a symbol at (x, y); symbol 3 is the empty-slot mark, the only one there is.
std::int32_t DrawSymbol(WindowHandle window, std::int32_t symbol, std::int32_t x, std::int32_t y);

// Fills the whole table, or the place of one card with its top-left corner at (x, y), with the
// table colour.
std::int32_t ClearTable(WindowHandle window);
std::int32_t ClearCard(WindowHandle window, std::int32_t x, std::int32_t y);

// Suit 1 clubs, 2 diamonds, 3 hearts, 4 spades; value 1 ace to 13 king; 0 for no card.
std::int32_t GetCardSuit(std::int32_t card);
std::int32_t GetCardValue(std::int32_t card);

// The card of a suit and a value; suits and values as above.
constexpr std::int32_t CardOf(std::int32_t suit, std::int32_t value) {
    return (suit - 1) * 13 + value;
}

inline constexpr std::int32_t kEmptySlotSymbol = 3;

// Makes the next InitializeDeck fail (tests of the start-up failure path).
void InjectInitializeFailure(bool fail);

}  // namespace zarvelo::cardlib
