// Court figures: hair, the face with its features, and the beard. Head parts are placed from the
// middle of the face (AtHead), so that the whole head moves as one.
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>

#include "cardlib/CourtParts.h"

namespace zarvelo::cardlib::court {

namespace {

// A path given in head coordinates.
QPainterPath HeadPath(QPointF start, auto&& build) {
    QPainterPath path;
    path.moveTo(AtHead(start.x(), start.y()));
    build(path, [](qreal dx, qreal dy) { return AtHead(dx, dy); });
    path.closeSubpath();
    return path;
}

QPainterPath HeadEllipse(qreal dx, qreal dy, qreal rx, qreal ry) {
    const QPointF c = AtHead(dx, dy);
    return Ellipse(c.x(), c.y(), rx, ry);
}

// Strands: curved lines in a darker shade, so that hair does not read as a flat blob. Each is
// from, through and to, in head coordinates, and is drawn on both sides of the face.
using Strand = std::array<qreal, 6>;
void PaintStrands(QPainter& p, const QColor& hair, std::initializer_list<Strand> strands) {
    QPainterPath half;
    for (const Strand& s : strands) {
        half.moveTo(AtHead(s[0], s[1]));
        half.quadTo(AtHead(s[2], s[3]), AtHead(s[4], s[5]));
    }
    Fold(p, BothSides(half), hair, 0.4);
}

QPainterPath LongHair(qreal reach) {
    return HeadPath({-4.6, -6.0}, [reach](QPainterPath& h, auto at) {
        h.cubicTo(at(-8.6, -1.5), at(-6.2, 5.0), at(-reach, 10.2));
        h.quadTo(at(-7.0, 11.6), at(-5.0, 10.2));
        h.lineTo(at(5.0, 10.2));
        h.quadTo(at(7.0, 11.6), at(reach, 10.2));
        h.cubicTo(at(6.2, 5.0), at(8.6, -1.5), at(4.6, -6.0));
    });
}

}  // namespace

void PaintHair(QPainter& p, const CourtDesign& d) {
    const QColor& c = d.hairColour;
    switch (d.hair) {
        case Hair::Short:
            Shape(p, HeadEllipse(0, -0.8, 6.4, 7.0), c);
            PaintStrands(p, c, {{-5.8, -2.0, -6.4, 1.6, -5.4, 4.6}});
            break;
        case Hair::Bob: {
            Shape(p,
                  HeadPath({-6.0, 4.4},
                           [](QPainterPath& h, auto at) {
                               h.cubicTo(at(-7.2, -3.0), at(-4.4, -7.8), at(0, -7.8));
                               h.cubicTo(at(4.4, -7.8), at(7.2, -3.0), at(6.0, 4.4));
                               h.quadTo(at(5.0, 5.4), at(4.0, 4.4));
                               h.lineTo(at(-4.0, 4.4));
                               h.quadTo(at(-5.0, 5.4), at(-6.0, 4.4));
                           }),
                  c);
            PaintStrands(p, c, {{-5.4, -3.0, -6.2, 0.8, -5.0, 4.0}});
            break;
        }
        case Hair::LongWaves:
            Shape(p, LongHair(9.0).united(HeadEllipse(0, -1.4, 6.1, 6.6)), c);
            PaintStrands(p, c,
                         {{-6.0, -1.0, -7.4, 4.0, -7.4, 9.4},
                          {-5.4, 2.0, -5.2, 6.0, -6.0, 9.6},
                          {0.0, -7.4, -3.6, -6.6, -5.6, -2.6}});
            break;
        case Hair::Braids: {
            for (int i = 0; i < 4; ++i) {
                const QPointF at = AtHead(-5.6, 3.0 + 2.3 * i);
                Shape(p, BothSides(Ellipse(at.x(), at.y(), 1.25, 1.4)), c, 0.35);
            }
            const QPointF tie = AtHead(-5.6, 12.0);
            Shape(p, BothSides(Ellipse(tie.x(), tie.y(), 0.9, 0.6)), kSapphire, 0.3);
            Shape(p, HeadEllipse(0, -1.2, 6.2, 6.8), c);
            PaintStrands(p, c, {{-1.0, -7.6, -4.6, -5.0, -5.8, 0.0}});
            break;
        }
        case Hair::Curls:
            for (int i = 0; i <= 10; ++i) {
                const qreal a = (140.0 + 26.0 * i) * std::numbers::pi / 180;
                const QPointF at = AtHead(6.3 * std::cos(a), -0.6 + 6.9 * std::sin(a));
                Shape(p, Ellipse(at.x(), at.y(), 1.9, 1.9), c, 0.35);
            }
            Shape(p, HeadEllipse(0, -0.8, 5.8, 6.4), c, 0);
            break;
        case Hair::SideCurls:
            for (qreal dy : {4.6, 1.6})
                Shape(p, BothSides(HeadEllipse(-5.8, dy, 1.7, 1.7)), c, 0.35);
            Shape(p, HeadEllipse(0, -1.0, 6.2, 6.8), c);
            Shape(p, BothSides(HeadEllipse(-6.0, -1.4, 1.8, 1.8)), c, 0.35);
            break;
        case Hair::LongStraight:
            Shape(p,
                  HeadPath({-5.6, 8.0},
                           [](QPainterPath& h, auto at) {
                               h.quadTo(at(-7.0, 2.0), at(-6.4, -3.0));
                               h.cubicTo(at(-6.4, -9.6), at(6.4, -9.6), at(6.4, -3.0));
                               h.quadTo(at(7.0, 2.0), at(5.6, 8.0));
                               h.quadTo(at(0, 5.0), at(-5.6, 8.0));
                           }),
                  c);
            PaintStrands(p, c, {{-6.0, -2.0, -6.6, 3.0, -5.6, 7.4}});
            break;
        case Hair::Hidden: break;
    }
}

namespace {

void PaintEye(QPainter& p, QPointF c, const QColor& iris, bool lashes) {
    QPainterPath white;
    white.moveTo(c + QPointF(-1.3, 0.1));
    white.quadTo(c + QPointF(0, -1.1), c + QPointF(1.3, 0.1));
    white.quadTo(c + QPointF(0, 0.9), c + QPointF(-1.3, 0.1));
    Shape(p, white, Qt::white, 0);
    p.save();
    p.setClipPath(white, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(c + QPointF(0.1, 0), 0.65, 0.65);
    p.setBrush(kInk);
    p.drawEllipse(c + QPointF(0.1, 0), 0.3, 0.3);
    p.restore();
    QPainterPath lid;
    lid.moveTo(c + QPointF(-1.45, 0.25));
    lid.quadTo(c + QPointF(0, -1.2), c + QPointF(1.5, 0.1));
    if (lashes) lid.lineTo(c + QPointF(1.9, -0.3));
    p.setPen(QPen(kInk, lashes ? 0.5 : 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lid);
}

}  // namespace

// The face looks straight out, or turned a little towards the held item.
void PaintFace(QPainter& p, const CourtDesign& d, int value) {
    const qreal t = d.turned ? 0.7 : 0.0;
    const bool queen = value == 12;
    if (d.hair != Hair::LongWaves && d.hair != Hair::Hidden && d.hair != Hair::Bob)
        Shape(p, BothSides(HeadEllipse(-5.2, 0.6, 1.0, 1.6)), kFlesh, 0.4);
    Shape(p,
          HeadPath({0, -6.3},
                   [](QPainterPath& f, auto at) {
                       f.cubicTo(at(3.1, -6.3), at(5.1, -4.0), at(5.1, -0.5));
                       f.cubicTo(at(5.1, 3.4), at(2.8, 6.3), at(0, 6.3));
                       f.cubicTo(at(-2.8, 6.3), at(-5.1, 3.4), at(-5.1, -0.5));
                       f.cubicTo(at(-5.1, -4.0), at(-3.1, -6.3), at(0, -6.3));
                   }),
          kFlesh);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlush);
    for (qreal dx : {-2.9, 2.9}) p.drawEllipse(AtHead(dx + t, 2.0), 1.2, 0.75);
    const QColor iris = d.hairColour.darker(230);
    for (qreal dx : {-2.15, 2.15}) PaintEye(p, AtHead(dx + t, -0.6), iris, queen);
    // Brows: the queen's finer and higher.
    QPainterPath brows;
    for (qreal side : {-1.0, 1.0}) {
        const qreal x = side * 2.15 + t;
        brows.moveTo(AtHead(x - 1.5 * side, queen ? -2.0 : -1.8));
        brows.quadTo(AtHead(x, queen ? -3.4 : -2.9), AtHead(x + 1.5 * side, queen ? -2.4 : -2.2));
    }
    p.setPen(QPen(d.hair == Hair::Hidden ? kInk : d.hairColour.darker(170), queen ? 0.35 : 0.55,
                  Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brows);
    QPainterPath nose;
    nose.moveTo(AtHead(0.1 + t, -0.2));
    nose.quadTo(AtHead(0.9 + 1.2 * t, 1.6), AtHead(0.7 + t, 2.3));
    nose.quadTo(AtHead(0.2 + t, 2.7), AtHead(-0.5 + t, 2.3));
    p.setPen(QPen(kInk, 0.38, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(nose);
    // The mouth: an upper lip line and a fuller lower lip, reddened for the queens.
    const QColor lips = queen ? QColor(200, 40, 64) : kLips;
    QPainterPath lower;
    lower.moveTo(AtHead(-1.1 + t, 3.9));
    lower.quadTo(AtHead(t, 5.0), AtHead(1.1 + t, 3.9));
    lower.quadTo(AtHead(t, 4.2), AtHead(-1.1 + t, 3.9));
    Shape(p, lower, lips, 0);
    QPainterPath upper;
    upper.moveTo(AtHead(-1.2 + t, 3.9));
    upper.quadTo(AtHead(-0.5 + t, 3.4), AtHead(t, 3.7));
    upper.quadTo(AtHead(0.5 + t, 3.4), AtHead(1.2 + t, 3.9));
    p.setPen(QPen(lips.darker(160), 0.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(queen ? lips : Qt::NoBrush);
    p.drawPath(upper);
}

void PaintBeard(QPainter& p, const CourtDesign& d) {
    const QColor& c = d.hairColour;
    // Each beard runs from the left cheek round the chin to the right cheek, then back under the
    // lower lip.
    auto underLip = [](QPainterPath& b, auto at) {
        b.cubicTo(at(4.6, 2.6), at(3.0, 3.8), at(1.6, 4.6));
        b.quadTo(at(0, 5.6), at(-1.6, 4.6));
        b.cubicTo(at(-3.0, 3.8), at(-4.6, 2.6), at(-5.0, 0.0));
    };
    QPainterPath beard;
    switch (d.beard) {
        case Beard::Full:
            beard = HeadPath({-5.0, 0.0}, [&](QPainterPath& b, auto at) {
                b.cubicTo(at(-5.2, 5.4), at(-3.2, 9.2), at(0, 10.0));
                b.cubicTo(at(3.2, 9.2), at(5.2, 5.4), at(5.0, 0.0));
                underLip(b, at);
            });
            break;
        case Beard::Short:
            beard = HeadPath({-5.0, 0.0}, [&](QPainterPath& b, auto at) {
                b.cubicTo(at(-5.0, 4.6), at(-2.8, 7.8), at(0, 8.0));
                b.cubicTo(at(2.8, 7.8), at(5.0, 4.6), at(5.0, 0.0));
                underLip(b, at);
            });
            break;
        case Beard::Forked:
            beard = HeadPath({-5.0, 0.0}, [&](QPainterPath& b, auto at) {
                b.cubicTo(at(-5.0, 5.4), at(-3.4, 8.8), at(-2.0, 11.2));
                b.lineTo(at(0, 8.6));
                b.lineTo(at(2.0, 11.2));
                b.cubicTo(at(3.4, 8.8), at(5.0, 5.4), at(5.0, 0.0));
                underLip(b, at);
            });
            break;
        case Beard::Pointed:
            beard = HeadPath({-5.0, 0.0}, [&](QPainterPath& b, auto at) {
                b.cubicTo(at(-4.6, 5.6), at(-1.8, 8.4), at(0, 12.4));
                b.cubicTo(at(1.8, 8.4), at(4.6, 5.6), at(5.0, 0.0));
                underLip(b, at);
            });
            break;
        case Beard::None:
        case Beard::Moustache: break;
    }
    if (!beard.isEmpty()) {
        Shape(p, beard, c);
        PaintStrands(p, c, {{-2.4, 6.0, -2.0, 7.6, -1.0, 8.8}, {-0.8, 6.0, -0.6, 7.4, -0.3, 8.8}});
    }
    if (d.beard == Beard::None) return;
    // The moustache, its two halves curling out from under the nose.
    const qreal t = d.turned ? 0.7 : 0.0;
    const QPainterPath half = HeadPath({0, 3.0}, [](QPainterPath& m, auto at) {
        m.cubicTo(at(-1.0, 2.5), at(-2.6, 2.8), at(-3.4, 4.2));
        m.cubicTo(at(-2.2, 3.7), at(-1.0, 3.8), at(0, 3.5));
    });
    Shape(p, QTransform::fromTranslate(t, 0).map(BothSides(half)), c, 0.3);
}

}  // namespace zarvelo::cardlib::court
