// The splash logo's fan of cards: four aces around a question-mark card.
#pragma once

#include <QPainter>

namespace zarvelo::artwork {

// Paints the fan in the logo's units, the cards turning about a point near the bottom middle.
void PaintLogoFan(QPainter& painter);

}  // namespace zarvelo::artwork
