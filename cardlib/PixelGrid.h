// Whole device pixels for a painter at any pixel ratio: where a logical edge lands and how wide a
// one-pixel line is, so that outlines sit on the pixels the geometry names instead of
// straddling two of them at 1.25, 1.5 or 1.75.
#pragma once

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTransform>

namespace zarvelo::cardlib {

class PixelGrid {
public:
    // The painter's present mapping to its device, which must be a scale and a translation.
    explicit PixelGrid(const QPainter& painter);

    // Device pixels per logical pixel across and down (equal except inside a stretched face).
    qreal scaleX() const { return toDevice_.m11(); }
    qreal scaleY() const { return toDevice_.m22(); }

    // Logical pixels are device pixels: no scale and a whole offset.
    bool oneToOne() const;

    // Device pixels of a line one logical pixel wide: one up to ratio 1.5, then the ratio rounded
    // down at a half, so a line never looks heavier than the scale makes it.
    int lineWidth() const;

    // The device pixels whose edges lie nearest to the edges of a logical rectangle.
    QRect deviceRect(const QRectF& logical) const;

    // Runs fn with the painter's unit one device pixel, whole numbers falling on pixel edges.
    template <typename Fn>
    void inDevicePixels(QPainter& painter, Fn&& fn) const {
        painter.save();
        painter.setWorldTransform(fromBase_);
        fn();
        painter.restore();
    }

    // A frame lineWidth() device pixels thick just inside the device rectangle of logical.
    void outline(QPainter& painter, const QRectF& logical, const QColor& colour) const;

private:
    QTransform toDevice_;  // logical to device pixels, as the painter maps now
    QTransform fromBase_;  // the world transform that makes the painter's unit a device pixel
};

}  // namespace zarvelo::cardlib
