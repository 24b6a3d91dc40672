// Court panels from paths: the ground, the two halves of the figure, the band where they meet and
// the frame. Coordinates are card pixels of the upper half, for a figure holding its item on the
// viewer's right; a mirrored design is the same drawing reflected about the figure's axis.
#include "cardlib/CourtPainter.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

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

QPainterPath BothSides(const QPainterPath& half) {
    QTransform mirror;
    mirror.translate(2 * kAxis, 0);
    mirror.scale(-1, 1);
    QPainterPath both = half;
    both.addPath(mirror.map(half));
    return both;
}

void Fold(QPainter& p, const QPainterPath& path, const QColor& cloth, qreal width) {
    p.setPen(QPen(cloth.darker(150), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace court

namespace {

using namespace court;

// The frame's gold rule lies 1 inside the panel and is 0.6 wide; the figure keeps this much
// further in, so that not even its antialiased edge meets the frame or the corner symbol.
constexpr qreal kClearance = 1.8;
constexpr QRectF kCornerSymbol(kPanel.left() + 1.5, kPanel.top() + 1.5, 7.0, 7.0);

const QPolygonF& UpperHalf() {
    static const QPolygonF upper{kPanel.topLeft(),
                                 kPanel.topRight(),
                                 {kPanel.right(), kCentre.y() - kTilt},
                                 {kPanel.left(), kCentre.y() + kTilt}};
    return upper;
}

// Where the upper half's figure may paint: its half of the panel, clear of the frame and of the
// corner symbol.
const QPainterPath& FigureArea() {
    static const QPainterPath area = [] {
        const qreal inset = 1.3 + kClearance;
        QPainterPath inside;
        inside.addRect(kPanel.adjusted(inset, inset, -inset, 0));
        QPainterPath corner;
        corner.addRoundedRect(
            QRectF(kPanel.topLeft(), kCornerSymbol.bottomRight() + QPointF(kClearance, kClearance)),
            2.0, 2.0);
        return inside.subtracted(corner).intersected(Polygon(UpperHalf()));
    }();
    return area;
}

void TurnHalf(QPainter& p) {
    p.translate(kCentre);
    p.rotate(180);
    p.translate(-kCentre);
}

void PaintFigure(QPainter& p, int suit, int value, const QColor& ink, const CourtDesign& d) {
    p.save();
    if (d.mirrored) {
        p.translate(2 * kAxis, 0);
        p.scale(-1, 1);
    }
    PaintBehindFace(p, d);
    PaintBody(p, d, suit, value, ink);
    PaintFreeArm(p, d, value);
    PaintSleeve(p, d, value);
    PaintHeld(p, d, value);
    PaintHand(p, d, value);
    PaintHair(p, d);
    PaintFace(p, d, value);
    PaintBeard(p, d);
    PaintHatBrim(p, d);
    PaintCrowns(p, d);
    p.restore();
}

// A gold band with a row of small lozenges in the suit's ink, where the halves meet.
void PaintMiddleBand(QPainter& p, const QColor& ink) {
    const QPointF left = UpperHalf()[3], right = UpperHalf()[2];
    const QPointF up(0, -1.1);
    p.save();
    p.setClipRect(kPanel);
    Shape(p, Polygon({left + up, right + up, right - up, left - up}), kGold, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    constexpr int kLozenges = 11;
    for (int i = 0; i < kLozenges; ++i) {
        const QPointF c = left + (right - left) * ((i + 0.5) / kLozenges);
        p.drawPolygon(QPolygonF({c + QPointF(-0.9, 0), c + QPointF(0, -0.65), c + QPointF(0.9, 0),
                                 c + QPointF(0, 0.65)}));
    }
    p.restore();
}

}  // namespace

void PaintCourtFigure(QPainter& p, int suit, int value, const QColor& ink,
                      const CourtDesign& design) {
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) TurnHalf(p);
        p.setClipPath(FigureArea(), Qt::IntersectClip);
        PaintFigure(p, suit, value, ink, design);
        p.restore();
    }
}

void PaintCourtFrame(QPainter& p, int suit, const QColor& ink) {
    p.save();
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) TurnHalf(p);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(FitSuitPath(suit, kCornerSymbol));
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.8));
    p.drawRect(kPanel);
    p.setPen(QPen(kGold, 0.6));
    p.drawRect(kPanel.adjusted(1.0, 1.0, -1.0, -1.0));
    p.restore();
}

void PaintCourt(QPainter& p, int suit, int value, const QColor& ink) {
    PaintCourt(p, suit, value, ink, DesignOf(suit, value));
}

void PaintCourt(QPainter& p, int suit, int value, const QColor& ink, const CourtDesign& design) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(kPanel);
    PaintCourtFigure(p, suit, value, ink, design);
    PaintMiddleBand(p, ink);
    PaintCourtFrame(p, suit, ink);
    p.restore();
}

}  // namespace zarvelo::cardlib
