// Snapping to device pixels: each edge goes to the nearest pixel boundary on its own, so two
// rectangles that share a logical edge share a device edge too.
#include "cardlib/PixelGrid.h"

#include <algorithm>
#include <cmath>

namespace zarvelo::cardlib {

namespace {

int Nearest(qreal x) { return static_cast<int>(std::floor(x + 0.5)); }

bool Whole(qreal x) { return std::abs(x - std::round(x)) < 1e-6; }

}  // namespace

PixelGrid::PixelGrid(const QPainter& painter) : toDevice_(painter.deviceTransform()) {
    // The device's own mapping (its pixel ratio and the widget's offset) lies beneath the world.
    const QTransform base = painter.worldTransform().inverted() * toDevice_;
    fromBase_ = base.inverted();
}

bool PixelGrid::oneToOne() const {
    return std::abs(scaleX() - 1.0) < 1e-6 && std::abs(scaleY() - 1.0) < 1e-6 &&
           Whole(toDevice_.dx()) && Whole(toDevice_.dy());
}

int PixelGrid::lineWidth() const {
    const qreal scale = std::min(scaleX(), scaleY());
    return std::max(1, static_cast<int>(std::floor(scale + 0.49)));
}

QRect PixelGrid::deviceRect(const QRectF& logical) const {
    const QPointF a = toDevice_.map(logical.topLeft()), b = toDevice_.map(logical.bottomRight());
    const int left = Nearest(std::min(a.x(), b.x())), right = Nearest(std::max(a.x(), b.x()));
    const int top = Nearest(std::min(a.y(), b.y())), bottom = Nearest(std::max(a.y(), b.y()));
    return {left, top, right - left, bottom - top};
}

void PixelGrid::outline(QPainter& painter, const QRectF& logical, const QColor& colour) const {
    const QRect box = deviceRect(logical);
    const int w = std::min({lineWidth(), box.width(), box.height()});
    if (w <= 0) return;
    inDevicePixels(painter, [&] {
        painter.fillRect(QRect(box.left(), box.top(), box.width(), w), colour);
        painter.fillRect(QRect(box.left(), box.bottom() + 1 - w, box.width(), w), colour);
        painter.fillRect(QRect(box.left(), box.top() + w, w, box.height() - 2 * w), colour);
        painter.fillRect(QRect(box.right() + 1 - w, box.top() + w, w, box.height() - 2 * w),
                         colour);
    });
}

}  // namespace zarvelo::cardlib
