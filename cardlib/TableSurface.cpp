// The table surface keeps what the card library painted until it is cleared.
#include "cardlib/TableSurface.h"

#include <QPainter>
#include <cmath>

namespace zarvelo::cardlib {

namespace {
const QColor kTableColour(0, 0, 0);
}

TableSurface::TableSurface(QWidget* view, QSize logicalSize) : view_(view), logicalSize_(logicalSize) {
    syncPixelRatio();
}

bool TableSurface::syncPixelRatio() {
    // The view's own ratio, not the application's: on mixed screens they differ.
    const qreal ratio = view_ ? view_->devicePixelRatioF() : 1.0;
    if (!image_.isNull() && image_.devicePixelRatio() == ratio) return false;
    const QSize pixels(static_cast<int>(std::ceil(logicalSize_.width() * ratio)),
                       static_cast<int>(std::ceil(logicalSize_.height() * ratio)));
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
    paint(area, [&](QPainter& painter) { painter.fillRect(area, kTableColour); });
}

void TableSurface::markChanged(const QRect& changed) {
    if (view_) view_->update(changed);
}

}  // namespace zarvelo::cardlib
