// Path geometry for the artwork: set operations that keep curves smooth, fitting, glyph outlines.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace zarvelo::artwork {

enum class PathOp { Unite, Intersect, Subtract };

// a op b, computed at a large scale so that curves stay smooth.
QPainterPath Combine(const QPainterPath& a, PathOp op, const QPainterPath& b);

// Scales a path uniformly and centres it in box.
QPainterPath FittedInto(const QPainterPath& path, const QRectF& box);

// The outline of text at a 100-pixel font, its baseline at y = 0.
QPainterPath TextPath(const QString& text, const QString& family, int weight);

}  // namespace zarvelo::artwork
