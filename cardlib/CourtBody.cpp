// Court figures: the body as each rank dresses it and the arm that does not hold the item. Kings
// wear a patterned mantle open over a tunic, an ermine cape and a chain; queens a gown with a low
// neckline, a jewelled stomacher and puffed sleeves; jacks a doublet with a falling collar and a
// baldric, one hand on the hip.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "cardlib/CourtParts.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib::court {

namespace {

// The robe's pattern in the lining colour, inside the given cloth.
void PaintPattern(QPainter& p, const CourtDesign& d, const QPainterPath& cloth) {
    p.save();
    p.setClipPath(cloth, Qt::IntersectClip);
    p.setPen(QPen(d.lining, 0.9, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    switch (d.pattern) {
        case Pattern::Stripes:
            for (qreal x = 18.0; x < 56; x += 3.2) p.drawLine(QPointF(x, 30), QPointF(x, 57));
            break;
        case Pattern::Chevrons:
            for (qreal y = 36.0; y < 57; y += 4.5) {
                for (qreal x = 16.0; x < 56; x += 6.0) {
                    p.drawPolyline(QPolygonF({{x, y}, {x + 3, y + 2.4}, {x + 6, y}}));
                }
            }
            break;
        case Pattern::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(d.lining);
            for (int row = 0; row < 8; ++row)
                for (qreal x = 17.0 + 1.6 * (row % 2); x < 56; x += 3.2)
                    p.drawEllipse(QPointF(x, 34.0 + 3.0 * row), 0.7, 0.7);
            break;
        case Pattern::Lattice:
            p.setPen(QPen(d.lining, 0.6));
            for (qreal k = -40; k < 60; k += 4.5) {
                p.drawLine(QPointF(k, 30), QPointF(k + 27, 57));
                p.drawLine(QPointF(k + 27, 30), QPointF(k, 57));
            }
            break;
        case Pattern::Rosettes:
            p.setPen(Qt::NoPen);
            for (int row = 0; row < 5; ++row) {
                for (qreal x = 18.5 + 2.5 * (row % 2); x < 56; x += 5.0) {
                    const QPointF c(x, 35.0 + 4.5 * row);
                    p.setBrush(d.lining);
                    for (const QPointF& petal :
                         {QPointF(0.8, 0), QPointF(-0.8, 0), QPointF(0, 0.8), QPointF(0, -0.8)}) {
                        p.drawEllipse(c + petal, 0.6, 0.6);
                    }
                    p.setBrush(kGold);
                    p.drawEllipse(c, 0.45, 0.45);
                }
            }
            break;
        case Pattern::Plain: break;
    }
    p.restore();
}

// Cloth turns away from the light towards the figure's sides: a shadow deepening outwards.
void PaintShade(QPainter& p, const QPainterPath& cloth) {
    QLinearGradient shade(18.0, 0, 54.0, 0);
    shade.setColorAt(0.0, QColor(30, 20, 40, 90));
    shade.setColorAt(0.3, QColor(30, 20, 40, 0));
    shade.setColorAt(0.7, QColor(30, 20, 40, 0));
    shade.setColorAt(1.0, QColor(30, 20, 40, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(cloth);
}

// The suit's symbol, white-rimmed so that it shows on any cloth.
void PaintEmblem(QPainter& p, int suit, const QColor& ink, QPointF centre, qreal size) {
    p.setPen(QPen(kLinen, 0.8));
    p.setBrush(ink);
    p.drawPath(FitSuitPath(suit, QRectF(centre - QPointF(size / 2, size / 2), QSizeF(size, size))));
}

void PaintNeck(QPainter& p, const CourtDesign& d) {
    const QColor skin = d.headwear == Headwear::Wimple ? kLinen : kFlesh;
    Shape(p, Polygon({AtHead(-2.2, 2.0), AtHead(2.2, 2.0), AtHead(2.4, 8.8), AtHead(-2.4, 8.8)}),
          skin, 0.45);
}

// Gold links on a curve from one point to another, sagging to the given depth.
void PaintChain(QPainter& p, QPointF from, QPointF to, qreal sag, int links) {
    for (int i = 0; i <= links; ++i) {
        const qreal t = qreal(i) / links;
        const QPointF at = from + (to - from) * t + QPointF(0, sag * 4 * t * (1 - t));
        Shape(p, Ellipse(at.x(), at.y(), 0.8, 0.62), kGold, 0.3);
    }
}

void PaintKing(QPainter& p, const CourtDesign& d, int suit, const QColor& ink) {
    Shape(p, Polygon({{30.0, 31.0}, {42.0, 31.0}, {45.5, 57.0}, {26.5, 57.0}}), d.lining);
    Fold(p, Line({36.0, 44.0}, {36.0, 57.0}), d.lining);
    QPainterPath half;
    half.moveTo(18.4, 57.0);
    half.lineTo(18.8, 43.0);
    half.cubicTo(19.1, 37.0, 21.8, 34.0, 27.0, 32.8);
    half.lineTo(31.8, 31.8);
    half.lineTo(28.8, 57.0);
    half.closeSubpath();
    const QPainterPath mantle = BothSides(half);
    Shape(p, mantle, d.robe);
    PaintPattern(p, d, mantle);
    PaintShade(p, mantle);
    Fold(p, BothSides(Line({22.5, 42.0}, {21.8, 57.0})), d.robe, 0.5);
    // Ermine edges the opening: white fur with black tails.
    const QPainterPath trim =
        BothSides(Polygon({{31.8, 31.8}, {29.6, 32.0}, {26.4, 57.0}, {28.8, 57.0}}));
    Shape(p, trim, kLinen, 0.4);
    QPainterPath cape;
    cape.moveTo(20.6, 38.6);
    cape.cubicTo(21.2, 34.4, 25.0, 32.4, 30.5, 31.4);
    cape.lineTo(41.5, 31.4);
    cape.cubicTo(47.0, 32.4, 50.8, 34.4, 51.4, 38.6);
    // The lower edge dips towards the middle in small scallops.
    constexpr int kScallops = 7;
    auto edgeY = [](qreal x) {
        return 38.6 + 2.8 * std::sin(std::numbers::pi * (x - 20.6) / 30.8);
    };
    for (int i = kScallops; i > 0; --i) {
        const qreal from = 20.6 + 30.8 * i / kScallops, to = 20.6 + 30.8 * (i - 1) / kScallops;
        const qreal mid = (from + to) / 2;
        cape.quadTo(mid, edgeY(mid) + 1.6, to, edgeY(to));
    }
    cape.closeSubpath();
    Shape(p, cape, kLinen, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const QPointF tails[] = {{23.6, 36.6}, {27.4, 34.4}, {45.6, 34.6}, {49.0, 36.8}, {29.0, 38.6},
                             {43.2, 38.8}, {27.8, 44.0}, {44.2, 44.0}, {27.2, 50.0}, {44.8, 50.0}};
    for (const QPointF& at : tails)
        p.drawPolygon(
            QPolygonF({at + QPointF(-0.45, 0), at + QPointF(0.45, 0), at + QPointF(0, 1.6)}));
    PaintChain(p, {29.4, 32.6}, {42.6, 32.6}, 5.2, 9);
    Shape(p, Ellipse(36.0, 40.6, 3.0, 3.0), kGold, 0.45);
    PaintEmblem(p, suit, ink, {36.0, 40.6}, 3.6);
}

void PaintQueen(QPainter& p, const CourtDesign& d, int suit, const QColor& ink) {
    QPainterPath neckline;
    neckline.moveTo(30.0, 30.0);
    neckline.lineTo(42.0, 30.0);
    neckline.lineTo(40.8, 35.4);
    neckline.quadTo(36.0, 37.4, 31.2, 35.4);
    neckline.closeSubpath();
    Shape(p, neckline, kFlesh, 0.45);
    QPainterPath gown;
    gown.moveTo(20.4, 57.0);
    gown.lineTo(21.2, 41.0);
    gown.cubicTo(21.6, 35.6, 24.5, 33.4, 29.0, 32.4);
    gown.lineTo(43.0, 32.4);
    gown.cubicTo(47.5, 33.4, 50.4, 35.6, 50.8, 41.0);
    gown.lineTo(51.6, 57.0);
    gown.closeSubpath();
    gown = gown.subtracted(neckline);
    Shape(p, gown, d.robe);
    PaintPattern(p, d, gown);
    PaintShade(p, gown);
    // The stomacher, laced in the lining colour, and the gold edge of the neckline.
    QPainterPath stomacher;
    stomacher.moveTo(32.4, 35.9);
    stomacher.quadTo(36.0, 37.5, 39.6, 35.9);
    stomacher.lineTo(37.6, 57.0);
    stomacher.lineTo(34.4, 57.0);
    stomacher.closeSubpath();
    Shape(p, stomacher, kGold, 0.45);
    p.setPen(QPen(d.lining, 0.5));
    for (qreal y = 43.6; y < 56; y += 2.2)
        p.drawPolyline(QPolygonF({{34.9, y}, {36.0, y + 1.1}, {37.1, y}}));
    QPainterPath edge;
    edge.moveTo(30.6, 32.5);
    edge.lineTo(31.2, 35.4);
    edge.quadTo(36.0, 37.4, 40.8, 35.4);
    edge.lineTo(41.4, 32.5);
    Shape(p, Band(edge, 0.9), kGold, 0.3);
    PaintEmblem(p, suit, ink, {36.0, 40.0}, 3.4);
    // A string of pearls with a drop at the throat.
    for (int i = 0; i <= 8; ++i) {
        const qreal t = i / 8.0;
        Shape(p, Ellipse(32.8 + 6.4 * t, 31.6 + 2.2 * 4 * t * (1 - t), 0.5, 0.5), Qt::white, 0.25);
    }
    Shape(p, Ellipse(36.0, 34.9, 0.7, 0.85), kJewel, 0.3);
    // Puffed sleeves, slashed to show the gown beneath.
    for (qreal x : {23.8, 48.2}) {
        Shape(p, Ellipse(x, 37.4, 3.8, 3.4), d.lining);
        p.setPen(QPen(d.robe, 0.7, Qt::SolidLine, Qt::RoundCap));
        for (qreal dx : {-1.6, 0.0, 1.6})
            p.drawLine(QPointF(x + dx, 35.0), QPointF(x + dx * 1.2, 39.8));
    }
}

void PaintJack(QPainter& p, const CourtDesign& d, int suit, const QColor& ink) {
    QPainterPath doublet;
    doublet.moveTo(19.2, 57.0);
    doublet.lineTo(19.9, 41.0);
    doublet.cubicTo(20.3, 35.6, 23.5, 33.6, 28.5, 32.8);
    doublet.lineTo(43.5, 32.8);
    doublet.cubicTo(48.5, 33.6, 51.7, 35.6, 52.1, 41.0);
    doublet.lineTo(52.8, 57.0);
    doublet.closeSubpath();
    Shape(p, doublet, d.robe);
    PaintPattern(p, d, doublet);
    PaintShade(p, doublet);
    Fold(p, BothSides(Line({24.0, 40.0}, {23.2, 57.0})), d.robe, 0.5);
    Shape(p, Box(34.9, 34.0, 2.2, 23.0), d.lining, 0.4);
    for (qreal y : {44.2, 47.6, 51.0}) Shape(p, Ellipse(36.0, y, 0.75, 0.75), kGold, 0.3);
    // The baldric, from the left shoulder across to the right hip, studded in gold.
    const QPainterPath baldric = Band(Line({23.0, 35.0}, {50.0, 57.0}), 3.0);
    Shape(p, baldric, d.lining, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (qreal t = 0.1; t < 1; t += 0.14)
        p.drawEllipse(QPointF(23.0 + 27 * t, 35.0 + 22 * t), 0.5, 0.5);
    QPainterPath collar;
    collar.moveTo(29.4, 31.4);
    collar.quadTo(36.0, 34.0, 42.6, 31.4);
    collar.lineTo(44.6, 35.4);
    collar.quadTo(40.0, 37.8, 36.0, 36.2);
    collar.quadTo(32.0, 37.8, 27.4, 35.4);
    collar.closeSubpath();
    Shape(p, collar, Qt::white, 0.45);
    Fold(p, Line({36.0, 33.4}, {36.0, 36.0}), kLinen, 0.4);
    Shape(p, Ellipse(36.0, 40.4, 2.5, 2.5), kGold, 0.4);
    PaintEmblem(p, suit, ink, {36.0, 40.4}, 3.0);
}

}  // namespace

void PaintBody(QPainter& p, const CourtDesign& d, int suit, int value, const QColor& ink) {
    PaintNeck(p, d);
    switch (value) {
        case 13: PaintKing(p, d, suit, ink); break;
        case 12: PaintQueen(p, d, suit, ink); break;
        default: PaintJack(p, d, suit, ink); break;
    }
}

// The king holds his mantle's edge, the queen's hand rests below the one that holds the item,
// the jack's is on his hip.
void PaintFreeArm(QPainter& p, const CourtDesign& d, int value) {
    QPainterPath arm;
    QPointF hand;
    switch (value) {
        case 13:
            arm.moveTo(24.6, 46.0);
            arm.quadTo(26.5, 44.2, 28.6, 44.6);
            hand = {30.2, 44.8};
            break;
        case 12:
            arm.moveTo(24.0, 39.5);
            arm.quadTo(25.0, 45.0, 35.6, 45.0);
            hand = {37.2, 44.9};
            break;
        default:
            arm.moveTo(22.6, 37.2);
            arm.quadTo(18.4, 42.4, 23.4, 46.2);
            hand = {24.6, 46.8};
            break;
    }
    Shape(p, Band(arm, value == 12 ? 3.0 : 4.0), value == 12 ? d.robe : d.lining);
    const QPointF cuff = arm.currentPosition();
    Shape(p, Ellipse(cuff.x(), cuff.y(), 0.9, 1.9), kGold, 0.4);
    Shape(p, Ellipse(hand.x(), hand.y(), 1.7, 1.45), kFlesh, 0.4);
    p.setPen(QPen(kInk, 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hand + QPointF(0.2, -0.6), hand + QPointF(1.1, -0.2));
    p.drawLine(hand + QPointF(0.2, 0.3), hand + QPointF(1.1, 0.6));
}

}  // namespace zarvelo::cardlib::court
