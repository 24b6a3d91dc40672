// The framed panel of a court card: a double-headed figure from the design table, the lower half
// the upper turned about the card's centre, a band where the halves meet, and the suit's symbol
// in the frame of each half.
#pragma once

#include <QColor>
#include <QPainter>

#include "cardlib/CourtDesigns.h"

namespace zarvelo::cardlib {

// Paints the panel of a jack (11), queen (12) or king (13) onto a card whose top-left corner is
// the painter's origin; ink is the suit's colour.
void PaintCourt(QPainter& painter, int suit, int value, const QColor& ink);

// The same with a design given instead of the one the table holds for the card.
void PaintCourt(QPainter& painter, int suit, int value, const QColor& ink,
                const CourtDesign& design);

// The two layers of the panel that must never meet: the frame with its corner symbols, and the
// figure, each half clipped to an area kept clear of them.
void PaintCourtFrame(QPainter& painter, int suit, const QColor& ink);
void PaintCourtFigure(QPainter& painter, int suit, int value, const QColor& ink,
                      const CourtDesign& design);

}  // namespace zarvelo::cardlib
