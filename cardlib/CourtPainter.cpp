// Court figures from paths: body and robe, the held item, arm and hand, hair, face, beard and
// headwear, in that order so that each layer covers the one before. Coordinates are card pixels
// of the upper half, for a figure holding its item on the viewer's right; a mirrored design is
// the same drawing reflected about the figure's axis.
#include "cardlib/CourtPainter.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "cardlib/CourtParts.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib {

namespace court {

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline) {
    p.setPen(outline > 0 ? QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Polygon(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath Box(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

// A line drawn as a filled band, so that it gets an outline like every other shape.
QPainterPath Band(const QPainterPath& spine, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(spine);
}

QPainterPath Line(QPointF a, QPointF b) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return path;
}

// A path and its reflection about the figure's axis, for shapes with two like sides.
QPainterPath BothSides(const QPainterPath& half) {
    QTransform mirror;
    mirror.translate(2 * kAxis, 0);
    mirror.scale(-1, 1);
    QPainterPath both = half;
    both.addPath(mirror.map(half));
    return both;
}

}  // namespace court

namespace {

using namespace court;

// ---- Body

const QPainterPath& Robe() {
    static const QPainterPath robe = [] {
        QPainterPath path;
        path.moveTo(20.5, 56.0);
        path.lineTo(21.8, 38.0);
        path.quadTo(23.0, 32.0, 30.0, 31.0);
        path.lineTo(42.0, 31.0);
        path.quadTo(49.0, 32.0, 50.2, 38.0);
        path.lineTo(51.5, 56.0);
        path.closeSubpath();
        return path;
    }();
    return robe;
}

const QPolygonF kFrontPanel{{31.0, 31.0}, {41.0, 31.0}, {44.0, 56.0}, {28.0, 56.0}};

void PaintPattern(QPainter& p, const CourtDesign& d) {
    p.save();
    p.setClipPath(Robe(), Qt::IntersectClip);
    p.setPen(QPen(d.lining, 0.9, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    switch (d.pattern) {
        case Pattern::Stripes:
            for (qreal x : {23.5, 26.5, 45.5, 48.5}) p.drawLine(QPointF(x, 30), QPointF(x, 57));
            break;
        case Pattern::Chevrons:
            for (qreal y : {39.0, 44.0, 49.0, 54.0}) {
                p.drawPolyline(QPolygonF({{20, y}, {25, y + 3}, {30, y}}));
                p.drawPolyline(QPolygonF({{42, y}, {47, y + 3}, {52, y}}));
            }
            break;
        case Pattern::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(d.lining);
            for (qreal y = 36.0; y < 57; y += 3.5)
                for (qreal x : {23.0, 26.5, 45.5, 49.0}) p.drawEllipse(QPointF(x, y), 0.75, 0.75);
            break;
        case Pattern::Lattice:
            p.setPen(QPen(d.lining, 0.6));
            for (qreal k = -40; k < 60; k += 4.5) {
                p.drawLine(QPointF(k, 30), QPointF(k + 27, 57));
                p.drawLine(QPointF(k + 27, 30), QPointF(k, 57));
            }
            break;
        case Pattern::Ermine:
        case Pattern::Plain: break;
    }
    p.restore();
}

// The ermine front is white with black tails; the others are gold.
void PaintFront(QPainter& p, const CourtDesign& d, int suit, const QColor& ink) {
    const bool ermine = d.pattern == Pattern::Ermine;
    Shape(p, Polygon(kFrontPanel), ermine ? kLinen : kGold);
    Shape(p, Polygon({{34.5, 32.0}, {37.5, 32.0}, {38.5, 56.0}, {33.5, 56.0}}), d.lining, 0.4);
    p.setPen(Qt::NoPen);
    if (ermine) {
        p.setBrush(kInk);
        for (const QPointF at : {QPointF(30.5, 36), QPointF(41.5, 36), QPointF(30.0, 42),
                                 QPointF(42.0, 42), QPointF(29.5, 48), QPointF(42.5, 48)}) {
            p.drawPolygon(
                QPolygonF({at + QPointF(-0.5, 0), at + QPointF(0.5, 0), at + QPointF(0, 1.8)}));
        }
    }
    // The suit's symbol on the chest, white-rimmed so that it shows on any lining.
    const QPainterPath emblem = FitSuitPath(suit, QRectF(34.0, 38.6, 4.0, 4.0));
    p.setPen(QPen(kLinen, 0.8));
    p.setBrush(ink);
    p.drawPath(emblem);
    p.setPen(Qt::NoPen);
    p.setBrush(kLinen);
    for (qreal y : {34.8, 45.5, 49.5}) p.drawEllipse(QPointF(kAxis, y), 0.7, 0.7);
}

void PaintCollar(QPainter& p, int value) {
    if (value == 13) {
        // A broad collar of gold links.
        QPainterPath collar;
        collar.moveTo(28.5, 31.0);
        collar.quadTo(kAxis, 37.5, 43.5, 31.0);
        collar.quadTo(kAxis, 34.0, 28.5, 31.0);
        Shape(p, collar, kGold, 0.4);
        p.setPen(Qt::NoPen);
        p.setBrush(kJewel);
        p.drawEllipse(QPointF(kAxis, 34.0), 0.8, 0.8);
        return;
    }
    // A ruff, finer for the queen.
    QPainterPath ruff;
    ruff.moveTo(29.0, 31.0);
    const int waves = value == 12 ? 6 : 4;
    const qreal step = 14.0 / waves;
    for (int i = 0; i < waves; ++i) {
        ruff.quadTo(29.0 + step * (i + 0.5), 35.0, 29.0 + step * (i + 1), 31.0);
    }
    ruff.quadTo(kAxis, 29.5, 29.0, 31.0);
    Shape(p, ruff, Qt::white, 0.4);
}

void PaintFigure(QPainter& p, int suit, int value, const QColor& ink, const CourtDesign& d) {
    p.save();
    if (d.mirrored) {
        p.translate(2 * kAxis, 0);
        p.scale(-1, 1);
    }
    Shape(p, Robe(), d.robe);
    PaintPattern(p, d);
    PaintFront(p, d, suit, ink);
    PaintCollar(p, value);
    PaintSleeve(p, d);
    PaintHeld(p, d);
    PaintHand(p, d);
    PaintBehindFace(p, d);
    PaintHair(p, d);
    PaintFace(p, d, value);
    PaintBeard(p, d);
    PaintHatBrim(p, d);
    PaintCrowns(p, d);
    p.restore();
}

}  // namespace

void PaintCourt(QPainter& p, int suit, int value, const QColor& ink) {
    PaintCourt(p, suit, value, ink, DesignOf(suit, value));
}

void PaintCourt(QPainter& p, int suit, int value, const QColor& ink, const CourtDesign& design) {
    const QPolygonF upper{kPanel.topLeft(),
                          kPanel.topRight(),
                          {kPanel.right(), kCentre.y() - kTilt},
                          {kPanel.left(), kCentre.y() + kTilt}};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(kPanel);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(kCentre);
            p.rotate(180);
            p.translate(-kCentre);
        }
        p.setClipPath(Polygon(upper), Qt::IntersectClip);
        PaintFigure(p, suit, value, ink, design);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(FitSuitPath(suit, QRectF(kPanel.left() + 1.5, kPanel.top() + 1.5, 7.0, 7.0)));
        p.restore();
    }
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(upper[3], upper[2]);
    p.drawRect(kPanel);
    p.setPen(QPen(kGold, 0.6));
    p.drawRect(kPanel.adjusted(1.0, 1.0, -1.0, -1.0));
    p.restore();
}

}  // namespace zarvelo::cardlib
