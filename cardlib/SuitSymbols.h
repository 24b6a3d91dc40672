// Suit symbols drawn for their size: whole pixels for the small symbols of the card chart, the
// card corners and the slot mark at ratio 1, where a scaled outline blurs into a blob; the
// vector shapes everywhere else.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace zarvelo::cardlib {

// Paints the suit (1 clubs .. 4 spades) centred in box, solid or as a one-pixel outline. Where the
// painter maps logical pixels one to one (a half turn included) and a drawing of the box's size
// exists, the drawing is copied pixel for pixel; otherwise the vector shape is filled or traced
// with a line of whole device pixels.
void PaintSuitSymbol(QPainter& painter, const QRectF& box, int suit, bool outline,
                     const QColor& colour);

// Whether a pixel drawing exists for this suit, style and box size (in logical pixels).
bool HasSuitPixels(int suit, bool outline, QSize size);

}  // namespace zarvelo::cardlib
