// The colours of the cards, named by what they colour: the faces, the logo and the icon share them.
#pragma once

#include <QColor>

#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib {

inline constexpr QColor kSuitRed(204, 18, 36);   // hearts and diamonds
inline constexpr QColor kSuitBlack(22, 22, 26);  // clubs and spades
inline constexpr QColor kCardPaper(255, 255, 255);
inline constexpr QColor kCardOutline(58, 58, 64);

// The ink a suit's pips and indices are printed in.
inline QColor SuitInk(int suit) { return IsRedSuit(suit) ? kSuitRed : kSuitBlack; }

}  // namespace zarvelo::cardlib
