// The table surface keeps what the card library painted until it is cleared.
#include "cardlib/TableSurface.h"

#include <QPainter>
#include <cmath>

#include "cardlib/PixelGrid.h"

namespace zarvelo::cardlib {

namespace {
const QColor kTableColour(0, 0, 0);

qreal Fraction(qreal x) { return x - std::floor(x + 0.5); }
}  // namespace

TableSurface::TableSurface(QWidget* view, QSize logicalSize, qreal fixedRatio)
    : view_(view), logicalSize_(logicalSize), fixedRatio_(fixedRatio) {
    syncPixelRatio();
}

bool TableSurface::syncPixelRatio() {
    // The view's own ratio, not the application's: on mixed screens they differ.
    const qreal ratio = fixedRatio_ > 0 ? fixedRatio_ : view_ ? view_->devicePixelRatioF() : 1.0;
    // A view below a menu bar 19 pixels high starts 23.75 device pixels down at 1.25.
    const QPointF origin =
        view_ ? QPointF(view_->mapTo(view_->window(), QPoint(0, 0))) * ratio : QPointF();
    const QPointF phase(Fraction(origin.x()), Fraction(origin.y()));
    if (!image_.isNull() && image_.devicePixelRatio() == ratio && phase == phase_) return false;
    phase_ = phase;
    const QSize pixels(static_cast<int>(std::ceil(logicalSize_.width() * ratio + phase.x())),
                       static_cast<int>(std::ceil(logicalSize_.height() * ratio + phase.y())));
    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(kTableColour);
    return true;
}

void TableSurface::clear() {
    syncPixelRatio();
    image_.fill(kTableColour);
    markChanged(QRect(QPoint(0, 0), logicalSize_));
}

void TableSurface::clearRect(const QRect& area) {
    paint(area, [&](QPainter& painter) {
        const PixelGrid grid(painter);
        grid.inDevicePixels(painter,
                            [&] { painter.fillRect(grid.deviceRect(area), kTableColour); });
    });
}

void TableSurface::show(QPainter& painter, const QRect& area) const {
    const PixelGrid grid(painter);
    const QRect target = grid.deviceRect(area);
    // Device pixel of the window that the image's first pixel covers.
    const QPoint origin = grid.deviceRect(QRectF(0, 0, 1, 1)).topLeft();
    const QRect source = target.translated(-origin).intersected(image_.rect());
    grid.inDevicePixels(painter, [&] {
        painter.drawImage(QRectF(source.translated(origin)), image_, QRectF(source));
    });
}

void TableSurface::markChanged(const QRect& changed) {
    if (view_) view_->update(changed);
}

}  // namespace zarvelo::cardlib
