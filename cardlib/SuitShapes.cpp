// Builds the suit outlines from Bezier halves mirrored about the vertical axis.
#include "cardlib/SuitShapes.h"

#include <QTransform>
#include <QVector>
#include <algorithm>
#include <array>

namespace zarvelo::cardlib {
namespace {

struct Segment {
    QPointF c1, c2, end;
};

// A straight piece written as a Bezier so halves mirror uniformly.
Segment Line(const QPointF& from, const QPointF& to) { return {from, to, to}; }

QPointF Mirror(const QPointF& p) { return {1.0 - p.x(), p.y()}; }

// The left half runs from a point on the axis down to a point on the axis; the right half
// is the same curve mirrored and walked backwards, so the outline is one closed contour.
QPainterPath MirroredOutline(const QPointF& start, const QVector<Segment>& left) {
    QPainterPath path;
    path.moveTo(start);
    for (const Segment& s : left) path.cubicTo(s.c1, s.c2, s.end);
    for (qsizetype i = left.size() - 1; i >= 0; --i) {
        const QPointF from = i > 0 ? left[i - 1].end : start;
        path.cubicTo(Mirror(left[i].c2), Mirror(left[i].c1), Mirror(from));
    }
    path.closeSubpath();
    return path;
}

// Scales a shape so its larger side spans the unit square, centred in the other direction.
QPainterPath Normalised(const QPainterPath& shape) {
    const QRectF r = shape.boundingRect();
    const qreal k = 1.0 / std::max(r.width(), r.height());
    QTransform t;
    t.translate(0.5, 0.5);
    t.scale(k, k);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(shape);
}

QPainterPath Heart() {
    return MirroredOutline({0.5, 0.2}, {{{0.46, 0.05}, {0.37, 0.0}, {0.27, 0.0}},
                                        {{0.11, 0.0}, {0.0, 0.13}, {0.0, 0.31}},
                                        {{0.0, 0.57}, {0.31, 0.72}, {0.5, 0.98}}});
}

QPainterPath Diamond() {
    return MirroredOutline({0.5, 0.0}, {{{0.40, 0.16}, {0.27, 0.36}, {0.14, 0.5}},
                                        {{0.27, 0.64}, {0.40, 0.84}, {0.5, 1.0}}});
}

QPainterPath Spade() {
    return MirroredOutline({0.5, 0.0}, {{{0.42, 0.15}, {0.0, 0.33}, {0.0, 0.57}},
                                        {{0.0, 0.72}, {0.11, 0.80}, {0.25, 0.80}},
                                        {{0.35, 0.80}, {0.43, 0.75}, {0.475, 0.68}},
                                        {{0.46, 0.82}, {0.41, 0.93}, {0.29, 1.0}},
                                        Line({0.29, 1.0}, {0.5, 1.0})});
}

// Three lobes and a flared stem; Qt's set operations flatten curves at a fixed tolerance,
// so the union is taken at a large scale and brought back.
QPainterPath Club() {
    constexpr qreal kFine = 512.0;
    const QPainterPath stem = MirroredOutline(
        {0.5, 0.5}, {{{0.49, 0.70}, {0.44, 0.90}, {0.30, 1.0}}, Line({0.30, 1.0}, {0.5, 1.0})});
    QPainterPath parts;
    parts.addEllipse(QPointF(0.5, 0.25), 0.235, 0.235);
    parts.addEllipse(QPointF(0.235, 0.575), 0.235, 0.235);
    parts.addEllipse(QPointF(0.765, 0.575), 0.235, 0.235);
    QPainterPath core;
    core.addPolygon(QPolygonF({{0.5, 0.3}, {0.28, 0.6}, {0.72, 0.6}}));
    core.closeSubpath();
    const QTransform up = QTransform::fromScale(kFine, kFine);
    QPainterPath whole = up.map(stem).united(up.map(core));
    for (const QPolygonF& lobe : parts.toSubpathPolygons(up)) {
        QPainterPath p;
        p.addPolygon(lobe);
        p.closeSubpath();
        whole = whole.united(p);
    }
    return QTransform::fromScale(1 / kFine, 1 / kFine).map(whole.simplified());
}

const std::array<QPainterPath, 4>& Shapes() {
    static const std::array<QPainterPath, 4> shapes{Normalised(Club()), Normalised(Diamond()),
                                                    Normalised(Heart()), Normalised(Spade())};
    return shapes;
}

}  // namespace

QPainterPath SuitPath(int suit) {
    if (suit < 1 || suit > 4) return {};
    return Shapes()[static_cast<std::size_t>(suit - 1)];
}

bool IsRedSuit(int suit) { return suit == 2 || suit == 3; }

QPainterPath FitSuitPath(int suit, const QRectF& box) {
    const QPainterPath unit = SuitPath(suit);
    if (unit.isEmpty()) return unit;
    const qreal side = std::min(box.width(), box.height());
    QTransform t;
    t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    t.scale(side, side);
    return t.map(unit);
}

void PaintSuit(QPainter& painter, const QRectF& box, int suit, const QBrush& fill,
               const QPen& outline) {
    const QPainterPath path = FitSuitPath(suit, box);
    if (path.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace zarvelo::cardlib
