// Soft drop shadows for the artwork: a shape's mask, blurred and laid under it.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace zarvelo::artwork {

// Paints the shadow of path, moved by offset and blurred over about spread units (the painter's
// units), at most alpha dark. Paint the shape itself afterwards.
void PaintSoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, qreal spread,
                     int alpha);

}  // namespace zarvelo::artwork
