// Court figures: the held items (sword, axe, orb, sceptres, flowers, fan, leaf, halberd, torch,
// bow), the sleeve that reaches for them and the hand that closes over them.
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "cardlib/CourtParts.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib::court {

// Long things are held at the side, small ones before the chest.
QPointF HandOf(Held held) {
    switch (held) {
        case Held::Orb:
        case Held::Rose:
        case Held::Fan:
        case Held::Tulip:
        case Held::Leaf: return {44.5, 40.0};
        default: return {46.8, 40.5};
    }
}

void PaintSword(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(
        p,
        Polygon(
            {{x - 0.8, y - 3.5}, {x + 0.8, y - 3.5}, {x + 0.8, 13.5}, {x, 10.8}, {x - 0.8, 13.5}}),
        kSteel, 0.4);
    p.setPen(QPen(QColor(170, 176, 188), 0.3));
    p.drawLine(QPointF(x, y - 4), QPointF(x, 14));
    Shape(p, Box(x - 0.55, y - 3.4, 1.1, 3.4), kWood, 0.3);
    Shape(p, Box(x - 3.4, y - 4.7, 6.8, 1.3), kGold, 0.4);
    Shape(p, Ellipse(x, y + 2.3, 0.9, 0.9), kGold, 0.3);
}

void PaintAxe(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.55, 12.5, 1.1, y + 8 - 12.5), kWood, 0.4);
    QPainterPath head;
    head.moveTo(x + 0.5, 14.0);
    head.lineTo(x + 5.0, 11.5);
    head.quadTo(x + 7.8, 16.5, x + 5.0, 21.5);
    head.lineTo(x + 0.5, 18.5);
    head.closeSubpath();
    Shape(p, head, kSteel, 0.4);
    Shape(p, Polygon({{x - 0.55, 12.6}, {x + 0.55, 12.6}, {x, 10.4}}), kSteel, 0.3);
}

void PaintOrb(QPainter& p, QPointF h) {
    const QPointF c = h - QPointF(0, 4.8);
    Shape(p, Box(c.x() - 0.4, c.y() - 6.6, 0.8, 3.8), kGold, 0.3);
    Shape(p, Box(c.x() - 1.3, c.y() - 5.6, 2.6, 0.8), kGold, 0.3);
    Shape(p, Ellipse(c.x(), c.y(), 3.0, 3.0), kGold, 0.5);
    p.setPen(QPen(kInk, 0.35));
    p.drawLine(c - QPointF(3.0, 0), c + QPointF(3.0, 0));
    p.drawLine(c - QPointF(0, 3.0), c);
    p.setPen(Qt::NoPen);
    p.setBrush(kJewel);
    p.drawEllipse(c + QPointF(-1.5, 0.9), 0.5, 0.5);
    p.drawEllipse(c + QPointF(1.5, 0.9), 0.5, 0.5);
}

void PaintSceptre(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.5, 15.0, 1.0, y + 5 - 15.0), kGold, 0.35);
    // A fleuron: a tall middle petal between two curling side petals.
    QPainterPath petal;
    petal.moveTo(x, 9.6);
    petal.cubicTo(x + 1.4, 11.3, x + 1.0, 13.1, x, 14.2);
    petal.cubicTo(x - 1.0, 13.1, x - 1.4, 11.3, x, 9.6);
    QPainterPath side;
    side.moveTo(x + 0.3, 14.2);
    side.cubicTo(x + 1.0, 11.4, x + 3.4, 11.2, x + 2.8, 13.4);
    side.cubicTo(x + 2.4, 12.6, x + 1.4, 13.0, x + 0.9, 14.6);
    side.closeSubpath();
    QTransform mirror;
    mirror.translate(2 * x, 0);
    mirror.scale(-1, 1);
    Shape(p, side, kGold, 0.3);
    Shape(p, mirror.map(side), kGold, 0.3);
    Shape(p, petal, kGold, 0.35);
    Shape(p, Ellipse(x, 15.2, 1.3, 1.0), kGold, 0.35);
}

void PaintOrbSceptre(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.45, 19.5, 0.9, y + 4 - 19.5), kGold, 0.35);
    Shape(p, Box(x - 0.3, 13.6, 0.6, 2.4), kGold, 0.25);
    Shape(p, Box(x - 1.0, 14.3, 2.0, 0.6), kGold, 0.25);
    Shape(p, Ellipse(x, 17.8, 1.9, 1.9), QColor(60, 96, 190), 0.4);
    Shape(p, Box(x - 1.3, 19.4, 2.6, 0.9), kGold, 0.3);
}

void PaintRose(QPainter& p, QPointF h) {
    const QPointF bloom(47.2, 23.2);
    Shape(p, Band(Line(h, bloom), 0.8), kLeafGreen, 0.25);
    QTransform leaf;
    leaf.translate(46.4, 31.0);
    leaf.rotate(-40);
    Shape(p, leaf.map(Ellipse(1.5, 0, 1.6, 0.7)), kLeafGreen, 0.3);
    for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(bloom.x(), bloom.y());
        t.rotate(72.0 * i);
        Shape(p, t.map(Ellipse(0, -1.5, 1.15, 1.6)), kJewel, 0.3);
    }
    Shape(p, Ellipse(bloom.x(), bloom.y(), 0.9, 0.9), kGold, 0.3);
}

void PaintTulip(QPainter& p, QPointF h) {
    Shape(p, Band(Line(h, {47.5, 25.5}), 0.8), kLeafGreen, 0.25);
    QPainterPath blade;
    blade.moveTo(45.8, 38.0);
    blade.quadTo(44.5, 32.0, 46.6, 28.5);
    blade.quadTo(46.6, 33.0, 45.8, 38.0);
    Shape(p, blade, kLeafGreen, 0.3);
    QPainterPath cup;
    cup.moveTo(45.4, 21.2);
    cup.lineTo(46.5, 22.8);
    cup.lineTo(47.5, 20.6);
    cup.lineTo(48.5, 22.8);
    cup.lineTo(49.6, 21.2);
    cup.cubicTo(49.9, 24.5, 48.8, 26.0, 47.5, 26.0);
    cup.cubicTo(46.2, 26.0, 45.1, 24.5, 45.4, 21.2);
    Shape(p, cup, QColor(244, 176, 40), 0.35);
}

void PaintFan(QPainter& p, QPointF h, const QColor& lining) {
    constexpr qreal kRadius = 8.5, kPi = 3.14159265358979;
    QPainterPath fan;
    fan.moveTo(h);
    QPolygonF ribs;
    for (int i = 0; i <= 8; ++i) {
        const qreal a = (-155.0 + 130.0 * i / 8) * kPi / 180;
        ribs << h + QPointF(std::cos(a), std::sin(a)) * kRadius;
    }
    for (int i = 0; i < 8; ++i) {
        const QPointF mid = (ribs[i] + ribs[i + 1]) / 2;
        const QPointF out = h + (mid - h) * 1.08;
        if (i == 0) fan.lineTo(ribs[0]);
        fan.quadTo(out, ribs[i + 1]);
    }
    fan.closeSubpath();
    Shape(p, fan, QColor(252, 238, 222), 0.4);
    p.setPen(QPen(lining, 0.35));
    for (const QPointF& r : ribs) p.drawLine(h, h + (r - h) * 0.92);
    Shape(p, Ellipse(h.x(), h.y(), 0.8, 0.8), kGold, 0.3);
}

void PaintLeaf(QPainter& p, QPointF h) {
    QPainterPath stem;
    stem.moveTo(h);
    stem.quadTo(49.0, 31.0, 48.0, 20.5);
    Shape(p, Band(stem, 0.8), kWood, 0.25);
    const struct {
        QPointF at;
        qreal angle;
    } leaves[] = {{{48.2, 19.5}, -90}, {{48.6, 26.0}, -40}, {{48.4, 29.0}, -140}};
    for (const auto& l : leaves) {
        QTransform t;
        t.translate(l.at.x(), l.at.y());
        t.rotate(l.angle);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(3.2, -2.2, 6.4, 0);
        leaf.quadTo(3.2, 2.2, 0, 0);
        Shape(p, t.map(leaf), kLeafGreen, 0.3);
    }
}

void PaintHalberd(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.6, 12.0, 1.2, y + 10 - 12.0), kWood, 0.4);
    Shape(p, Polygon({{x - 0.9, 12.6}, {x, 7.8}, {x + 0.9, 12.6}}), kSteel, 0.35);
    QPainterPath blade;
    blade.moveTo(x + 0.6, 13.2);
    blade.lineTo(x + 4.6, 12.0);
    blade.quadTo(x + 5.8, 15.6, x + 4.6, 18.8);
    blade.lineTo(x + 0.6, 17.0);
    blade.closeSubpath();
    Shape(p, blade, kSteel, 0.4);
    Shape(p, Polygon({{x - 0.6, 14.0}, {x - 3.6, 15.7}, {x - 0.6, 16.4}}), kSteel, 0.35);
}

void PaintTorch(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Polygon({{x - 0.9, 20.0}, {x + 0.9, 20.0}, {x + 0.5, y + 5}, {x - 0.5, y + 5}}), kWood,
          0.4);
    Shape(p, Box(x - 1.7, 18.4, 3.4, 1.9), kGold, 0.4);
    QPainterPath flame;
    flame.moveTo(x - 0.3, 9.8);
    flame.cubicTo(x + 0.8, 12.5, x + 3.0, 14.0, x + 2.0, 16.6);
    flame.cubicTo(x + 1.5, 18.0, x - 1.5, 18.0, x - 2.0, 16.6);
    flame.cubicTo(x - 2.6, 14.6, x - 0.6, 13.6, x - 0.3, 9.8);
    Shape(p, flame, QColor(240, 128, 32), 0.35);
    Shape(p, Ellipse(x, 16.0, 0.9, 1.6), QColor(252, 214, 70), 0);
}

void PaintBow(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    const QPointF top(x - 0.4, 13.0), bottom(x - 0.4, 2 * y - 13.0);
    p.setPen(QPen(QColor(236, 232, 220), 0.35));
    p.drawLine(top, bottom);
    QPainterPath limb;
    limb.moveTo(top);
    limb.quadTo(QPointF(x + 6.5, y), bottom);
    Shape(p, Band(limb, 1.3), kWood, 0.35);
    Shape(p, Box(x + 1.9, y - 1.6, 1.6, 3.2), kGold, 0.3);
}

void PaintHeld(QPainter& p, const CourtDesign& d) {
    const QPointF h = HandOf(d.held);
    switch (d.held) {
        case Held::Sword: PaintSword(p, h); break;
        case Held::Axe: PaintAxe(p, h); break;
        case Held::Orb: PaintOrb(p, h); break;
        case Held::Sceptre: PaintSceptre(p, h); break;
        case Held::Rose: PaintRose(p, h); break;
        case Held::Fan: PaintFan(p, h, d.lining); break;
        case Held::Tulip: PaintTulip(p, h); break;
        case Held::OrbSceptre: PaintOrbSceptre(p, h); break;
        case Held::Leaf: PaintLeaf(p, h); break;
        case Held::Halberd: PaintHalberd(p, h); break;
        case Held::Torch: PaintTorch(p, h); break;
        case Held::Bow: PaintBow(p, h); break;
    }
}

// The arm bends from the shoulder to the hand in a sleeve of the lining colour; the item lies
// over the sleeve and the hand closes over the item.
void PaintSleeve(QPainter& p, const CourtDesign& d) {
    const QPointF hand = HandOf(d.held);
    QPainterPath arm;
    arm.moveTo(48.0, 34.5);
    arm.quadTo(50.5, 40.5, hand.x() - 1.5, hand.y() + 0.5);
    Shape(p, Band(arm, 4.2), d.lining);
    Shape(p, Ellipse(hand.x() - 1.6, hand.y() + 0.4, 0.9, 2.3), kGold, 0.4);
}

void PaintHand(QPainter& p, const CourtDesign& d) {
    const QPointF hand = HandOf(d.held);
    Shape(p, Ellipse(hand.x(), hand.y(), 1.8, 1.6), kFlesh, 0.4);
}

}  // namespace zarvelo::cardlib::court
