// Draws the splash logo: a felt table, a fan of four aces around a question-mark card, and the word
// mark.
#include "artwork/LogoPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <future>

#include "artwork/LogoFan.h"
#include "artwork/LogoGold.h"
#include "artwork/PathTools.h"
#include "artwork/SoftShadow.h"

namespace zarvelo {
namespace {

using artwork::Combine;
using artwork::FittedInto;
using artwork::GoldGradient;
using artwork::PaintSoftShadow;
using artwork::PathOp;
using artwork::TextPath;

void PaintTable(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), QColor(6, 6, 8));

    QRadialGradient spot(QPointF(199, 150), 260);
    spot.setColorAt(0.0, QColor(60, 60, 56));
    spot.setColorAt(1.0, QColor(6, 6, 8, 0));
    p.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), spot);

    const QRectF rail(10, 12, 378, 330);
    QPainterPath railShape;
    railShape.addEllipse(rail);
    PaintSoftShadow(p, railShape, QPointF(0, 6), 18, 150);

    QLinearGradient wood(0, rail.top(), 0, rail.bottom());
    wood.setColorAt(0.0, QColor(92, 40, 22));
    wood.setColorAt(0.5, QColor(52, 20, 10));
    wood.setColorAt(1.0, QColor(30, 10, 6));
    p.setBrush(wood);
    p.drawEllipse(rail);

    const QRectF felt = rail.adjusted(13, 13, -13, -13);
    p.setBrush(GoldGradient(felt.top(), felt.bottom()));
    p.drawEllipse(felt.adjusted(-3, -3, 3, 3));

    QRadialGradient cloth(QPointF(199, 130), 230);
    cloth.setColorAt(0.0, QColor(34, 150, 84));
    cloth.setColorAt(0.55, QColor(14, 98, 52));
    cloth.setColorAt(1.0, QColor(4, 44, 22));
    p.setBrush(cloth);
    p.drawEllipse(felt);

    // A faint inner line, as printed on a real layout.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 200, 110, 70), 1.5));
    p.drawEllipse(felt.adjusted(16, 16, -16, -16));
}

QPointF OnEllipse(QPointF c, qreal rx, qreal ry, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + rx * qCos(a), c.y() + ry * qSin(a)};
}

// A chip seen from above at a slant: a dark edge band with inlays, then the face on top.
void PaintChip(QPainter& p, QPointF face, const QColor& body) {
    constexpr qreal rx = 25, ry = 9.5, thick = 6;
    QPainterPath edge;
    edge.addEllipse(face + QPointF(0, thick), rx, ry);
    QPainterPath band;
    band.addRect(QRectF(face.x() - rx, face.y(), 2 * rx, thick));
    edge = Combine(edge, PathOp::Unite, band);
    p.setPen(QPen(body.darker(260), 0.8));
    p.setBrush(body.darker(150));
    p.drawPath(edge);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 240, 226));
    for (qreal a : {20.0, 70.0, 120.0, 165.0}) {
        QPolygonF inlay;
        inlay << OnEllipse(face, rx, ry, a - 7) << OnEllipse(face, rx, ry, a + 7)
              << OnEllipse(face, rx, ry, a + 7) + QPointF(0, thick)
              << OnEllipse(face, rx, ry, a - 7) + QPointF(0, thick);
        p.drawPolygon(inlay);
    }

    QRadialGradient top(face + QPointF(-6, -3), rx * 1.2);
    top.setColorAt(0.0, body.lighter(135));
    top.setColorAt(1.0, body);
    p.setBrush(top);
    p.setPen(QPen(body.darker(200), 0.8));
    p.drawEllipse(face, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 240, 226));
    for (int i = 0; i < 6; ++i) {
        const qreal a = 15 + i * 60;
        QPolygonF dash;
        dash << OnEllipse(face, rx - 1, ry - 0.5, a - 9) << OnEllipse(face, rx - 1, ry - 0.5, a + 9)
             << OnEllipse(face, rx * 0.74, ry * 0.74, a + 7)
             << OnEllipse(face, rx * 0.74, ry * 0.74, a - 7);
        p.drawPolygon(dash);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 206, 110, 200), 1.0));
    p.drawEllipse(face, rx * 0.56, ry * 0.56);
}

void PaintChipStack(QPainter& p, QPointF base, int count, const QColor& body) {
    QPainterPath footprint;
    footprint.addEllipse(base + QPointF(4, 8), 27, 10);
    PaintSoftShadow(p, footprint, QPointF(0, 0), 12, 140);
    for (int i = 0; i < count; ++i) PaintChip(p, base - QPointF(0, 6.0 * (i + 1)), body);
}

void PaintSparkle(QPainter& p, QPointF c, qreal size) {
    QPainterPath star;
    const qreal w = size * 0.22;
    star.moveTo(c.x(), c.y() - size);
    star.quadTo(c.x() + w * 0.3, c.y() - w * 0.3, c.x() + size, c.y());
    star.quadTo(c.x() + w * 0.3, c.y() + w * 0.3, c.x(), c.y() + size);
    star.quadTo(c.x() - w * 0.3, c.y() + w * 0.3, c.x() - size, c.y());
    star.quadTo(c.x() - w * 0.3, c.y() - w * 0.3, c.x(), c.y() - size);
    QRadialGradient glow(c, size);
    glow.setColorAt(0.0, QColor(255, 255, 240));
    glow.setColorAt(1.0, QColor(255, 220, 120, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(star);
}

void PaintWordMark(QPainter& p) {
    const QRectF plate(34, 276, 330, 84);
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 16, 16);
    PaintSoftShadow(p, plateShape, QPointF(0, 6), 16, 170);

    QLinearGradient lacquer(0, plate.top(), 0, plate.bottom());
    lacquer.setColorAt(0.0, QColor(44, 40, 44));
    lacquer.setColorAt(0.5, QColor(12, 10, 12));
    lacquer.setColorAt(1.0, QColor(26, 22, 24));
    p.setBrush(lacquer);
    p.setPen(QPen(QBrush(GoldGradient(plate.top(), plate.bottom())), 3.0));
    p.drawPath(plateShape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 90, 120), 1.0));
    p.drawRoundedRect(plate.adjusted(6, 6, -6, -6), 11, 11);

    static const QPainterPath word =
        TextPath(QStringLiteral("Zarvelo?"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    const QPainterPath text = FittedInto(word, plate.adjusted(24, 14, -24, -14));
    const QRectF tb = text.boundingRect();
    PaintSoftShadow(p, text, QPointF(2, 3), 4, 200);
    p.setPen(QPen(QColor(90, 52, 6), 1.0));
    p.setBrush(GoldGradient(tb.top(), tb.bottom()));
    p.drawPath(text);
    // A sheen on the upper part of the letters, like polished metal.
    QPainterPath upper;
    upper.addRect(QRectF(tb.left(), tb.top(), tb.width(), tb.height() * 0.42));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawPath(Combine(text, PathOp::Intersect, upper));
}

}  // namespace

void PaintSplashLogo(QPainter& painter, const QRectF& target) {
    if (target.isEmpty()) return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kLogoWidth, target.height() / kLogoHeight);
    PaintTable(painter);
    PaintChipStack(painter, QPointF(98, 262), 4, QColor(176, 24, 30));
    PaintChipStack(painter, QPointF(150, 272), 2, QColor(28, 64, 150));
    PaintChipStack(painter, QPointF(296, 266), 3, QColor(24, 24, 30));
    artwork::PaintLogoFan(painter);
    PaintSparkle(painter, QPointF(350, 222), 8);
    PaintSparkle(painter, QPointF(226, 252), 5);
    PaintWordMark(painter);
    PaintSparkle(painter, QPointF(360, 282), 11);
    PaintSparkle(painter, QPointF(44, 352), 7);
    painter.restore();
}

QImage RenderSplashLogo(QSize logical, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image((QSizeF(logical) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Stretched over whole pixels, so a fractional ratio leaves no half-covered edge.
    PaintSplashLogo(painter, QRectF(QPointF(0, 0), QSizeF(image.size()) / dpr));
    return image;
}

namespace {
struct Prefetched {
    qreal ratio = 0;
    std::future<QImage> picture;
};
Prefetched& PrefetchedLogo() {
    static Prefetched prefetched;
    return prefetched;
}
QImage ReadSplashLogo(qreal devicePixelRatio);
}  // namespace

void PrefetchSplashLogo(qreal devicePixelRatio) {
    Prefetched& p = PrefetchedLogo();
    if (p.picture.valid()) return;
    p.ratio = devicePixelRatio;
    p.picture = std::async(std::launch::async, ReadSplashLogo, devicePixelRatio);
}

QImage SplashLogoFor(qreal devicePixelRatio) {
    Prefetched& p = PrefetchedLogo();
    if (p.picture.valid() && qFuzzyCompare(p.ratio, devicePixelRatio)) return p.picture.get();
    return ReadSplashLogo(devicePixelRatio);
}

namespace {
QImage ReadSplashLogo(qreal devicePixelRatio) {
    const QSize pixels = (QSizeF(kSplashLogoBox) * devicePixelRatio).toSize();
    for (int ratio : kPreparedLogoRatios) {
        if (!qFuzzyCompare(devicePixelRatio, static_cast<qreal>(ratio))) continue;
        QImage prepared(QStringLiteral(":/zarvelo/splash-logo-%1x.png").arg(ratio));
        if (prepared.size() != pixels) break;
        prepared.setDevicePixelRatio(devicePixelRatio);
        return prepared;
    }
    return RenderSplashLogo(kSplashLogoBox, devicePixelRatio);
}
}  // namespace

}  // namespace zarvelo
