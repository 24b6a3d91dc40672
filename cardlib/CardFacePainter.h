// Vector painting of face-up cards and of the empty-slot mark, crisp at any pixel ratio.
#pragma once

#include <QPainter>
#include <QPointF>

#include "cardlib/CardLib.h"

namespace zarvelo::cardlib {

// Paints a face-up card (suit 1..4: clubs, diamonds, hearts, spades; value 1 ace .. 13 king)
// with its top-left corner at topLeft. Paints nothing for a bad suit or value.
void PaintCardFace(QPainter& painter, const QPointF& topLeft, int suit, int value);

// The mark of a place where a card goes, meant for a black table.
void PaintEmptySlot(QPainter& painter, const QPointF& topLeft);

}  // namespace zarvelo::cardlib
