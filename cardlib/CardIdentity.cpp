// A card's suit and value from its number: all that the rules need of the card library, kept
// apart from the painting so that the rules build without a window system.
#include "cardlib/CardLib.h"

namespace zarvelo::cardlib {

namespace {

bool IsCard(std::int32_t card) { return card >= 1 && card <= 52; }

}  // namespace

std::int32_t GetCardSuit(std::int32_t card) { return IsCard(card) ? (card - 1) / 13 + 1 : 0; }

std::int32_t GetCardValue(std::int32_t card) { return IsCard(card) ? (card - 1) % 13 + 1 : 0; }

}  // namespace zarvelo::cardlib
