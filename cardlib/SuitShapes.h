// Outlines of the four suit symbols, shared by the card faces, the icon and the suit pictures.
#pragma once

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace zarvelo::cardlib {

// Suits: 1 clubs, 2 diamonds, 3 hearts, 4 spades.

// The suit's outline fitted into the unit square (centred, natural aspect); empty for a bad suit.
QPainterPath SuitPath(int suit);

// Diamonds and hearts.
bool IsRedSuit(int suit);

// Fills the suit symbol fitted into box (aspect kept, centred), with antialiasing.
void PaintSuit(QPainter& painter, const QRectF& box, int suit, const QBrush& fill,
               const QPen& outline = Qt::NoPen);

// The unit-square path mapped into the largest centred square inside box.
QPainterPath FitSuitPath(int suit, const QRectF& box);

}  // namespace zarvelo::cardlib
