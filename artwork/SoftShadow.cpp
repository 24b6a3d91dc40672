// Soft drop shadows: a coarse mask keeps them cheap, and a blur has no detail that its
// resolution could lose.
#include "artwork/SoftShadow.h"

#include <QImage>
#include <QSysInfo>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zarvelo::artwork {
namespace {

// Spreads the alpha of a premultiplied black mask over radius pixels each way (three box passes
// come close to a Gaussian).
void BlurAlpha(QImage& mask, int radius) {
    if (radius < 1) return;
    const int w = mask.width(), h = mask.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    const auto pass = [&](int length, int lines, auto at) {
        for (int l = 0; l < lines; ++l) {
            for (int i = 0; i < length; ++i) line[static_cast<std::size_t>(i)] = at(l, i);
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += (i >= 0 && i < length) ? line[static_cast<std::size_t>(i)] : 0;
            const int span = 2 * radius + 1;
            for (int i = 0; i < length; ++i) {
                at(l, i) = static_cast<uchar>(sum / span);
                const int in = i + radius + 1, out = i - radius;
                if (in < length) sum += line[static_cast<std::size_t>(in)];
                if (out >= 0) sum -= line[static_cast<std::size_t>(out)];
            }
        }
    };
    // Only the alpha byte carries anything: the colour of premultiplied black is zero.
    uchar* const bits = mask.bits();
    const qsizetype stride = mask.bytesPerLine();
    const int alphaByte = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 3 : 0;
    const auto alphaAt = [&](int y, int x) -> uchar& {
        return bits[y * stride + x * 4 + alphaByte];
    };
    for (int round = 0; round < 3; ++round) {
        pass(w, h, [&](int y, int x) -> uchar& { return alphaAt(y, x); });
        pass(h, w, [&](int x, int y) -> uchar& { return alphaAt(y, x); });
    }
}

}  // namespace

void PaintSoftShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal spread,
                     int alpha) {
    const QTransform world = p.worldTransform();
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const qreal scale =
        std::sqrt(std::abs(world.determinant())) * dpr;  // painter units to device pixels
    const qreal blur = spread * scale / 2;               // device pixels each way
    const qreal step = std::max(1.0, blur / 3);          // device pixels per mask pixel
    const QRectF area =
        world.map(path.translated(offset))
            .boundingRect()
            .adjusted(-blur / dpr * 1.5, -blur / dpr * 1.5, blur / dpr * 1.5, blur / dpr * 1.5);
    const int mw = static_cast<int>(std::ceil(area.width() * dpr / step)) + 1;
    const int mh = static_cast<int>(std::ceil(area.height() * dpr / step)) + 1;
    if (mw > 4096 || mh > 4096) return;  // a shape far off the picture
    QImage mask(mw, mh, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.setTransform(QTransform::fromTranslate(offset.x(), offset.y()) * world *
                        QTransform::fromTranslate(-area.left(), -area.top()) *
                        QTransform::fromScale(dpr / step, dpr / step));
        mp.setPen(Qt::NoPen);
        mp.setBrush(QColor(0, 0, 0, std::clamp(alpha, 0, 255)));
        mp.drawPath(path);
    }
    BlurAlpha(mask, static_cast<int>(std::lround(blur / step)));
    p.save();
    p.setWorldTransform(QTransform());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(area.topLeft(), QSizeF(mw * step / dpr, mh * step / dpr)), mask);
    p.restore();
}

}  // namespace zarvelo::artwork
