// Court figures: what the heads wear, from veils and hoods behind the face to crowns over the
// hair, placed from the middle of the face. Nothing rises more than 12 above the middle of the
// face, so that the tallest crown stays below the top of the area the figure may paint in.
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include "cardlib/CourtParts.h"

namespace zarvelo::cardlib::court {

namespace {

QPolygonF HeadPoints(std::initializer_list<QPointF> points) {
    QPolygonF placed;
    for (const QPointF& at : points) placed << AtHead(at.x(), at.y());
    return placed;
}

QPainterPath HeadBox(qreal dx, qreal dy, qreal w, qreal h) {
    const QPointF at = AtHead(dx, dy);
    return Box(at.x(), at.y(), w, h);
}

QPainterPath HeadEllipse(qreal dx, qreal dy, qreal rx, qreal ry) {
    const QPointF c = AtHead(dx, dy);
    return Ellipse(c.x(), c.y(), rx, ry);
}

void PaintPearls(QPainter& p, std::initializer_list<QPointF> at) {
    for (const QPointF& c : at) Shape(p, HeadEllipse(c.x(), c.y(), 0.8, 0.8), Qt::white, 0.35);
}

// The band every crown stands on, set with stones.
void PaintCrownBand(QPainter& p, qreal top, qreal height) {
    Shape(p, HeadBox(-5.6, top, 11.2, height), kGold, 0.45);
    const qreal y = top + height / 2;
    Shape(p, HeadEllipse(0, y, 0.9, 0.75), kJewel, 0.3);
    for (qreal dx : {-3.2, 3.2}) Shape(p, HeadEllipse(dx, y, 0.6, 0.6), kSapphire, 0.3);
}

}  // namespace

void PaintCrowns(QPainter& p, const CourtDesign& d) {
    switch (d.headwear) {
        case Headwear::SpikedCrown:
            Shape(p,
                  Polygon(HeadPoints({{-5.6, -4.4},
                                      {-6.2, -9.6},
                                      {-3.0, -6.6},
                                      {0, -10.8},
                                      {3.0, -6.6},
                                      {6.2, -9.6},
                                      {5.6, -4.4}})),
                  kGold);
            PaintPearls(p, {{-6.2, -9.8}, {0, -10.9}, {6.2, -9.8}});
            PaintCrownBand(p, -6.2, 1.9);
            break;
        case Headwear::TallCrown:
            Shape(p, HeadEllipse(0, -8.0, 5.0, 3.4), d.lining);
            Fold(p, Line(AtHead(0, -10.8), AtHead(0, -6.0)), d.lining);
            Shape(p,
                  Polygon(HeadPoints({{-5.4, -4.4},
                                      {-5.4, -8.6},
                                      {-3.6, -6.9},
                                      {-1.8, -9.2},
                                      {0, -7.0},
                                      {1.8, -9.2},
                                      {3.6, -6.9},
                                      {5.4, -8.6},
                                      {5.4, -4.4}})),
                  kGold);
            PaintPearls(p, {{-1.8, -9.4}, {1.8, -9.4}});
            Shape(p, HeadEllipse(0, -11.0, 0.8, 0.8), kGold, 0.35);
            PaintCrownBand(p, -6.2, 1.9);
            break;
        case Headwear::ArchedCrown: {
            Shape(p, HeadEllipse(0, -7.6, 4.8, 3.0), d.lining);
            QPainterPath arches;
            arches.moveTo(AtHead(-4.8, -6.0));
            arches.cubicTo(AtHead(-5.0, -9.0), AtHead(0, -9.8), AtHead(0, -9.8));
            arches.cubicTo(AtHead(0, -9.8), AtHead(5.0, -9.0), AtHead(4.8, -6.0));
            arches.moveTo(AtHead(0, -9.8));
            arches.lineTo(AtHead(0, -6.0));
            Shape(p, Band(arches, 1.1), kGold, 0.35);
            Shape(p, HeadBox(-0.35, -11.7, 0.7, 2.1), kGold, 0.3);
            Shape(p, HeadBox(-1.1, -11.4, 2.2, 0.65), kGold, 0.3);
            PaintCrownBand(p, -6.4, 2.2);
            break;
        }
        case Headwear::FleuronCrown:
            for (qreal x : {-3.9, 0.0, 3.9}) {
                Shape(p, HeadEllipse(x - 1.1, -8.4, 0.9, 1.0), kGold, 0.3);
                Shape(p, HeadEllipse(x + 1.1, -8.4, 0.9, 1.0), kGold, 0.3);
                Shape(p, HeadEllipse(x, -9.1, 0.85, 1.9), kGold, 0.3);
            }
            PaintCrownBand(p, -7.2, 2.8);
            break;
        case Headwear::Coronet: {
            QPainterPath crown;
            crown.moveTo(AtHead(-5.2, -5.0));
            for (int i = 0; i < 4; ++i)
                crown.quadTo(AtHead(-3.9 + 2.6 * i, -10.6), AtHead(-2.6 + 2.6 * i, -5.4));
            crown.lineTo(AtHead(5.2, -5.0));
            crown.closeSubpath();
            Shape(p, crown, kGold);
            PaintPearls(p, {{-3.9, -9.0}, {-1.3, -9.0}, {1.3, -9.0}, {3.9, -9.0}});
            Shape(p, HeadEllipse(0, -6.0, 0.9, 0.8), kJewel, 0.3);
            break;
        }
        case Headwear::VeiledTiara: {
            QPainterPath tiara;
            tiara.moveTo(AtHead(-5.0, -5.2));
            tiara.quadTo(AtHead(0, -10.6), AtHead(5.0, -5.2));
            tiara.lineTo(AtHead(4.6, -4.4));
            tiara.quadTo(AtHead(0, -8.2), AtHead(-4.6, -4.4));
            tiara.closeSubpath();
            Shape(p, tiara, kGold, 0.4);
            Shape(p, HeadEllipse(0, -7.8, 1.0, 1.25), kSapphire, 0.3);
            PaintPearls(p, {{-3.0, -6.9}, {3.0, -6.9}});
            break;
        }
        case Headwear::BunCrown:
            Shape(p,
                  Polygon(HeadPoints({{-3.6, -5.2},
                                      {-3.6, -8.0},
                                      {-1.8, -6.6},
                                      {0, -9.2},
                                      {1.8, -6.6},
                                      {3.6, -8.0},
                                      {3.6, -5.2}})),
                  kGold, 0.4);
            PaintPearls(p, {{0, -9.2}});
            break;
        case Headwear::Wimple:
            Shape(p,
                  Polygon(HeadPoints({{-5.0, -6.6},
                                      {-3.6, -10.4},
                                      {-2.1, -7.8},
                                      {0, -10.9},
                                      {2.1, -7.8},
                                      {3.6, -10.4},
                                      {5.0, -6.6}})),
                  kGold, 0.4);
            PaintPearls(p, {{-3.6, -10.4}, {0, -10.9}, {3.6, -10.4}});
            break;
        case Headwear::FeatherCap: {
            QPainterPath feather;
            feather.moveTo(AtHead(3.6, -7.0));
            feather.cubicTo(AtHead(5.6, -10.4), AtHead(7.6, -11.2), AtHead(10.0, -11.0));
            feather.cubicTo(AtHead(8.8, -9.0), AtHead(7.0, -7.4), AtHead(4.4, -5.8));
            feather.closeSubpath();
            Shape(p, feather, Qt::white);
            Fold(p, Line(AtHead(4.2, -6.6), AtHead(9.0, -10.6)), QColor(200, 200, 200), 0.35);
            Shape(p, HeadEllipse(0, -6.6, 7.0, 3.2), d.robe);
            Shape(p, Polygon(HeadPoints({{-5.8, -5.8}, {5.8, -5.8}, {5.4, -4.2}, {-5.4, -4.2}})),
                  kGold, 0.4);
            break;
        }
        case Headwear::Beret: {
            QTransform tilt;
            tilt.translate(AtHead(1.0, -7.4).x(), AtHead(1.0, -7.4).y());
            tilt.rotate(-9);
            Shape(p, tilt.map(Ellipse(0, 0, 8.2, 2.8)), d.lining);
            Fold(p, tilt.map(Line({-5.0, 0.6}, {5.0, 0.6})), d.lining, 0.4);
            Shape(p, tilt.map(Box(-5.8, 1.6, 11.6, 1.4)), kGold, 0.35);
            const QPointF knob = AtHead(1.4, -10.4);
            Shape(p, Ellipse(knob.x(), knob.y(), 0.9, 0.9), d.lining, 0.35);
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
        veil.moveTo(AtHead(-4.8, -7.4));
        veil.cubicTo(AtHead(-9.0, -2.8), AtHead(-8.6, 5.2), AtHead(-10.6, 10.4));
        veil.lineTo(AtHead(10.6, 10.4));
        veil.cubicTo(AtHead(8.6, 5.2), AtHead(9.0, -2.8), AtHead(4.8, -7.4));
        veil.closeSubpath();
        Shape(p, veil, QColor(214, 226, 250), 0.4);
        Fold(p, BothSides(Line(AtHead(-7.0, -1.0), AtHead(-8.4, 9.0))), QColor(214, 226, 250));
    } else if (d.headwear == Headwear::Wimple) {
        QPainterPath linen;
        linen.moveTo(AtHead(-7.2, 9.4));
        linen.cubicTo(AtHead(-7.4, -4.8), AtHead(-6.2, -9.8), AtHead(0, -9.8));
        linen.cubicTo(AtHead(6.2, -9.8), AtHead(7.4, -4.8), AtHead(7.2, 9.4));
        linen.closeSubpath();
        Shape(p, linen, kLinen, 0.45);
        Fold(p, BothSides(Line(AtHead(-6.2, 0), AtHead(-6.4, 8.6))), kLinen);
        Shape(p, HeadEllipse(0, -6.6, 5.8, 1.6), d.lining, 0.35);
    } else if (d.headwear == Headwear::Hood) {
        QPainterPath tail;
        tail.moveTo(AtHead(4.5, -10.0));
        tail.cubicTo(AtHead(10.5, -9.3), AtHead(12.0, -3.8), AtHead(9.0, 4.2));
        Shape(p, Band(tail, 2.0), d.robe, 0.4);
        QPainterPath hood;
        hood.moveTo(AtHead(-7.4, 8.7));
        hood.cubicTo(AtHead(-8.6, -4.8), AtHead(-6.4, -11.6), AtHead(0, -11.6));
        hood.cubicTo(AtHead(6.4, -11.6), AtHead(8.6, -4.8), AtHead(7.4, 8.7));
        hood.closeSubpath();
        Shape(p, hood, d.robe);
        Fold(p, BothSides(Line(AtHead(-6.8, -2.0), AtHead(-6.4, 7.6))), d.robe);
    }
}

// Headwear that sits over the hair but has a part behind the head.
void PaintHatBrim(QPainter& p, const CourtDesign& d) {
    if (d.headwear == Headwear::Hood) {
        // The opening round the face, edged in the lining colour.
        p.setPen(QPen(d.lining, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(AtHead(0, -1.4), 6.2, 7.8);
    } else if (d.headwear == Headwear::PlumedHat) {
        QPainterPath plume;
        plume.moveTo(AtHead(-2.8, -10.2));
        plume.cubicTo(AtHead(-7.4, -11.6), AtHead(-10.6, -8.0), AtHead(-10.2, -2.6));
        plume.cubicTo(AtHead(-9.2, -5.6), AtHead(-7.0, -8.0), AtHead(-3.0, -8.0));
        plume.closeSubpath();
        Shape(p, plume, QColor(206, 40, 52), 0.4);
        Fold(p, Line(AtHead(-3.4, -9.2), AtHead(-9.4, -4.6)), QColor(206, 40, 52), 0.35);
        QPainterPath crown;
        crown.addRoundedRect(QRectF(AtHead(-4.6, -11.6), AtHead(4.6, -5.4)), 2.0, 2.0);
        Shape(p, crown, d.robe);
        Shape(p, HeadBox(-4.6, -7.6, 9.2, 1.3), kGold, 0.35);
        Shape(p, HeadEllipse(0, -5.8, 8.8, 1.7), d.robe);
    }
}

}  // namespace zarvelo::cardlib::court
