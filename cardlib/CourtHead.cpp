// Court figures: the head, from the headwear behind the face to the crown over the hair.
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "cardlib/CourtParts.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib::court {

void PaintHair(QPainter& p, const CourtDesign& d) {
    const QColor& c = d.hairColour;
    switch (d.hair) {
        case Hair::Short: Shape(p, Ellipse(kAxis, 22.5, 6.3, 6.6), c); break;
        case Hair::Bob: Shape(p, Ellipse(kAxis, 23.0, 6.4, 6.4), c); break;
        case Hair::LongWaves: {
            QPainterPath hair;
            hair.moveTo(31.0, 18.5);
            hair.cubicTo(28.0, 22.0, 30.0, 28.5, 27.0, 33.5);
            hair.quadTo(29.0, 35.0, 31.0, 33.5);
            hair.lineTo(41.0, 33.5);
            hair.quadTo(43.0, 35.0, 45.0, 33.5);
            hair.cubicTo(42.0, 28.5, 44.0, 22.0, 41.0, 18.5);
            hair.closeSubpath();
            Shape(p, hair, c);
            break;
        }
        case Hair::Braids: {
            for (int i = 0; i < 4; ++i) {
                const qreal y = 27.5 + 2.3 * i;
                Shape(p, BothSides(Ellipse(30.2, y, 1.2, 1.4)), c, 0.35);
            }
            Shape(p, BothSides(Ellipse(30.2, 36.6, 0.9, 0.6)), QColor(60, 96, 190), 0.3);
            Shape(p, Ellipse(kAxis, 22.4, 6.2, 6.4), c);
            break;
        }
        case Hair::Curls: {
            constexpr qreal kPi = 3.14159265358979;
            for (int i = 0; i <= 8; ++i) {
                const qreal a = (150.0 + 30.0 * i) * kPi / 180;
                Shape(p, Ellipse(kAxis + 6.0 * std::cos(a), 23.0 + 6.6 * std::sin(a), 1.8, 1.8), c,
                      0.35);
            }
            Shape(p, Ellipse(kAxis, 22.5, 5.6, 6.0), c, 0);
            break;
        }
        case Hair::SideCurls:
            Shape(p, BothSides(Ellipse(30.3, 29.2, 1.6, 1.6)), c, 0.35);
            Shape(p, Ellipse(kAxis, 22.5, 6.2, 6.4), c);
            Shape(p, BothSides(Ellipse(30.1, 26.4, 1.8, 1.8)), c, 0.35);
            break;
        case Hair::LongStraight: {
            // Falling to the shoulders, cut straight and turned under at the ends.
            QPainterPath hair;
            hair.moveTo(30.4, 32.0);
            hair.quadTo(29.0, 27.0, 29.6, 21.0);
            hair.cubicTo(29.6, 14.5, 42.4, 14.5, 42.4, 21.0);
            hair.quadTo(43.0, 27.0, 41.6, 32.0);
            hair.quadTo(kAxis, 29.0, 30.4, 32.0);
            hair.closeSubpath();
            Shape(p, hair, c);
            break;
        }
        case Hair::Hidden: break;
    }
}

// The face looks straight out, or turned a little towards the held item.
void PaintFace(QPainter& p, const CourtDesign& d, int value) {
    const qreal t = d.turned ? 1.0 : 0.0;
    Shape(p, Polygon({{34.2, 27.0}, {37.8, 27.0}, {38.0, 31.5}, {34.0, 31.5}}), kFlesh);
    Shape(p, Ellipse(kAxis, 23.6, 4.8, 5.6), kFlesh);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(34.2 + 0.7 * t, 22.8), 0.55, 0.5);
    p.drawEllipse(QPointF(37.8 + 0.7 * t, 22.8), 0.55, 0.5);
    p.setPen(QPen(kInk, 0.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(36.2 + 0.8 * t, 22.8);
    nose.quadTo(35.6 + 1.8 * t, 25.0, 36.6 + 1.0 * t, 25.4);
    p.drawPath(nose);
    if (d.beard == Beard::None || d.beard == Beard::Moustache) {
        p.setPen(
            QPen(value == 12 ? kJewel : QColor(196, 96, 80), 0.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(35.1 + 0.6 * t, 27.1), QPointF(36.9 + 0.6 * t, 27.1));
    }
}

void PaintBeard(QPainter& p, const CourtDesign& d) {
    const QColor& c = d.hairColour;
    QPainterPath beard;
    // Each beard runs from the left cheek round the chin to the right cheek, then back along the
    // mouth.
    auto mouthBack = [&beard](qreal right) {
        beard.cubicTo(39.0, 27.5, 37.0, 26.2, kAxis, 26.3);
        beard.cubicTo(35.0, 26.2, 33.0, 27.5, 2 * kAxis - right, 24.5);
    };
    switch (d.beard) {
        case Beard::Full:
            beard.moveTo(31.6, 24.5);
            beard.cubicTo(32.0, 30.5, 34.5, 33.0, kAxis, 33.5);
            beard.cubicTo(37.5, 33.0, 40.0, 30.5, 40.4, 24.5);
            mouthBack(40.4);
            break;
        case Beard::Short:
            beard.moveTo(32.2, 25.5);
            beard.cubicTo(32.6, 29.6, 34.6, 30.8, kAxis, 31.0);
            beard.cubicTo(37.4, 30.8, 39.4, 29.6, 39.8, 25.5);
            beard.cubicTo(39.0, 27.9, 37.0, 27.6, kAxis, 27.7);
            beard.cubicTo(35.0, 27.6, 33.0, 27.9, 32.2, 25.5);
            break;
        case Beard::Forked:
            beard.moveTo(31.6, 24.5);
            beard.cubicTo(31.8, 30.0, 33.2, 33.6, 34.0, 35.6);
            beard.lineTo(kAxis, 32.4);
            beard.lineTo(38.0, 35.6);
            beard.cubicTo(38.8, 33.6, 40.2, 30.0, 40.4, 24.5);
            mouthBack(40.4);
            break;
        case Beard::Pointed:
            beard.moveTo(31.8, 24.8);
            beard.cubicTo(32.4, 30.0, 35.0, 33.5, kAxis, 37.8);
            beard.cubicTo(37.0, 33.5, 39.6, 30.0, 40.2, 24.8);
            mouthBack(40.2);
            break;
        case Beard::None:
        case Beard::Moustache: break;
    }
    if (!beard.isEmpty()) Shape(p, beard, c);
    if (d.beard == Beard::None) return;
    // The moustache, its two halves curling out from under the nose.
    QPainterPath half;
    half.moveTo(kAxis, 26.1);
    half.cubicTo(35.0, 25.5, 33.6, 25.9, 32.9, 27.2);
    half.cubicTo(34.2, 26.8, 35.2, 26.9, kAxis, 26.7);
    half.closeSubpath();
    Shape(p, BothSides(half), c, 0.3);
}

void PaintPearls(QPainter& p, const QPolygonF& at) {
    for (const QPointF& c : at) Shape(p, Ellipse(c.x(), c.y(), 0.85, 0.85), Qt::white, 0.35);
}

void PaintCrowns(QPainter& p, const CourtDesign& d) {
    switch (d.headwear) {
        case Headwear::SpikedCrown:
            Shape(p,
                  Polygon({{30.5, 19.0},
                           {30.0, 13.0},
                           {33.0, 16.0},
                           {kAxis, 11.5},
                           {39.0, 16.0},
                           {42.0, 13.0},
                           {41.5, 19.0}}),
                  kGold);
            PaintPearls(p, {{30.0, 12.4}, {kAxis, 11.5}, {42.0, 12.4}});
            Shape(p, Ellipse(kAxis, 17.4, 1.0, 0.9), kJewel, 0.3);
            break;
        case Headwear::TallCrown:
            Shape(p, Ellipse(kAxis, 14.6, 5.0, 4.4), d.lining);
            Shape(p,
                  Polygon({{30.8, 19.2},
                           {30.8, 15.2},
                           {32.6, 16.9},
                           {34.3, 14.4},
                           {kAxis, 16.6},
                           {37.7, 14.4},
                           {39.4, 16.9},
                           {41.2, 15.2},
                           {41.2, 19.2}}),
                  kGold);
            Shape(p, Ellipse(kAxis, 10.4, 0.9, 0.9), kGold, 0.35);
            PaintPearls(p, {{34.3, 14.4}, {37.7, 14.4}});
            break;
        case Headwear::ArchedCrown: {
            Shape(p, Ellipse(kAxis, 15.6, 4.8, 3.8), d.lining);
            QPainterPath arches;
            arches.moveTo(31.3, 17.5);
            arches.cubicTo(31.0, 12.0, kAxis, 11.0, kAxis, 11.0);
            arches.cubicTo(kAxis, 11.0, 41.0, 12.0, 40.7, 17.5);
            Shape(p, Band(arches, 1.1), kGold, 0.35);
            Shape(p, Box(30.8, 16.8, 10.4, 2.4), kGold, 0.45);
            Shape(p, Box(kAxis - 0.35, 7.8, 0.7, 3.2), kGold, 0.3);
            Shape(p, Box(kAxis - 1.2, 8.7, 2.4, 0.7), kGold, 0.3);
            Shape(p, Ellipse(kAxis, 18.0, 0.9, 0.8), kJewel, 0.3);
            break;
        }
        case Headwear::FleuronCrown:
            for (qreal x : {32.0, kAxis, 40.0}) {
                Shape(p, Ellipse(x - 1.1, 15.4, 0.9, 1.0), kGold, 0.3);
                Shape(p, Ellipse(x + 1.1, 15.4, 0.9, 1.0), kGold, 0.3);
                Shape(p, Ellipse(x, 14.3, 0.85, 2.0), kGold, 0.3);
            }
            Shape(p, Box(30.6, 16.4, 10.8, 2.8), kGold, 0.45);
            for (qreal x : {32.6, 39.4}) Shape(p, Ellipse(x, 17.8, 0.6, 0.6), kJewel, 0.25);
            break;
        case Headwear::Coronet: {
            QPainterPath crown;
            crown.moveTo(31.0, 18.5);
            for (int i = 0; i < 4; ++i) crown.quadTo(32.25 + 2.5 * i, 13.0, 33.5 + 2.5 * i, 18.0);
            crown.lineTo(41.0, 18.5);
            crown.closeSubpath();
            Shape(p, crown, kGold);
            PaintPearls(p, {{32.25, 14.6}, {34.75, 14.6}, {37.25, 14.6}, {39.75, 14.6}});
            Shape(p, Ellipse(kAxis, 17.4, 1.0, 0.9), kJewel, 0.3);
            break;
        }
        case Headwear::VeiledTiara: {
            QPainterPath tiara;
            tiara.moveTo(31.0, 18.6);
            tiara.quadTo(kAxis, 13.6, 41.0, 18.6);
            tiara.lineTo(40.6, 19.4);
            tiara.quadTo(kAxis, 15.8, 31.4, 19.4);
            tiara.closeSubpath();
            Shape(p, tiara, kGold, 0.4);
            Shape(p, Ellipse(kAxis, 15.7, 1.0, 1.2), QColor(60, 96, 190), 0.3);
            break;
        }
        case Headwear::BunCrown:
            Shape(p, Ellipse(kAxis, 14.2, 3.4, 2.7), d.hairColour);
            Shape(p,
                  Polygon({{32.4, 17.8},
                           {32.4, 15.0},
                           {34.2, 16.4},
                           {kAxis, 14.2},
                           {37.8, 16.4},
                           {39.6, 15.0},
                           {39.6, 17.8}}),
                  kGold, 0.4);
            PaintPearls(p, {{kAxis, 14.0}});
            break;
        case Headwear::Wimple: {
            QPainterPath crown;
            crown.moveTo(31.4, 17.6);
            for (int i = 0; i < 3; ++i) {
                crown.lineTo(33.0 + 3.0 * i, 13.4);
                crown.lineTo(34.5 + 3.0 * i, 16.4);
            }
            crown.lineTo(40.6, 17.6);
            crown.closeSubpath();
            Shape(p, crown, kGold, 0.4);
            PaintPearls(p, {{33.0, 13.4}, {kAxis, 13.4}, {39.0, 13.4}});
            break;
        }
        case Headwear::FeatherCap: {
            QPainterPath feather;
            feather.moveTo(40.0, 17.0);
            feather.cubicTo(42.5, 13.0, 44.5, 12.0, 47.0, 11.8);
            feather.cubicTo(45.5, 14.0, 43.5, 16.0, 40.5, 18.0);
            Shape(p, feather, Qt::white);
            Shape(p, Ellipse(kAxis, 17.2, 7.2, 3.0), d.robe);
            Shape(p, Polygon({{30.5, 18.0}, {41.5, 18.0}, {41.0, 19.6}, {31.0, 19.6}}), kGold, 0.4);
            break;
        }
        case Headwear::Beret: {
            QTransform tilt;
            tilt.translate(37.0, 16.2);
            tilt.rotate(-9);
            Shape(p, tilt.map(Ellipse(0, 0, 8.2, 2.7)), d.lining);
            Shape(p, tilt.map(Box(-5.6, 1.6, 11.2, 1.3)), kGold, 0.35);
            Shape(p, Ellipse(37.6, 13.0, 0.9, 0.9), d.lining, 0.35);
            break;
        }
        case Headwear::Hood:
        case Headwear::PlumedHat: break;  // painted with the hair, round the face
    }
}

// Headwear that frames the face lies behind it.
void PaintBehindFace(QPainter& p, const CourtDesign& d) {
    if (d.headwear == Headwear::VeiledTiara) {
        QPainterPath veil;
        veil.moveTo(31.0, 17.0);
        veil.cubicTo(27.0, 22.0, 27.5, 30.0, 25.5, 35.0);
        veil.lineTo(46.5, 35.0);
        veil.cubicTo(44.5, 30.0, 45.0, 22.0, 41.0, 17.0);
        veil.closeSubpath();
        Shape(p, veil, QColor(214, 226, 250), 0.4);
    } else if (d.headwear == Headwear::Wimple) {
        QPainterPath linen;
        linen.moveTo(28.8, 34.0);
        linen.cubicTo(28.6, 20.0, 29.8, 14.6, kAxis, 14.6);
        linen.cubicTo(42.2, 14.6, 43.4, 20.0, 43.2, 34.0);
        linen.closeSubpath();
        Shape(p, linen, kLinen, 0.45);
        Shape(p, Ellipse(kAxis, 18.0, 5.8, 1.6), d.lining, 0.35);
    } else if (d.headwear == Headwear::Hood) {
        QPainterPath hood;
        hood.moveTo(28.6, 33.5);
        hood.cubicTo(27.4, 20.0, 29.6, 12.8, kAxis, 12.8);
        hood.cubicTo(42.4, 12.8, 44.6, 20.0, 43.4, 33.5);
        hood.closeSubpath();
        Shape(p, hood, d.robe);
        QPainterPath tail;
        tail.moveTo(40.5, 14.5);
        tail.cubicTo(46.5, 15.5, 48.0, 21.0, 45.0, 29.0);
        Shape(p, Band(tail, 2.0), d.robe, 0.4);
    }
}

// Headwear that sits over the hair but has a part behind the head.
void PaintHatBrim(QPainter& p, const CourtDesign& d) {
    if (d.headwear == Headwear::Hood) {
        // The opening round the face, edged in gold.
        p.setPen(QPen(d.lining, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kAxis, 23.2), 5.7, 7.2);
    } else if (d.headwear == Headwear::PlumedHat) {
        QPainterPath plume;
        plume.moveTo(39.5, 13.5);
        plume.cubicTo(37.0, 7.5, 30.0, 7.0, 25.0, 10.0);
        plume.cubicTo(29.5, 9.8, 34.0, 10.8, 38.0, 15.0);
        plume.closeSubpath();
        Shape(p, plume, QColor(206, 40, 52), 0.4);
        QPainterPath crown;
        crown.addRoundedRect(QRectF(31.2, 11.6, 9.6, 6.6), 2.0, 2.0);
        Shape(p, crown, d.robe);
        Shape(p, Box(31.2, 15.6, 9.6, 1.3), kGold, 0.35);
        Shape(p, Ellipse(kAxis, 18.0, 8.8, 1.7), d.robe);
    }
}

}  // namespace zarvelo::cardlib::court
