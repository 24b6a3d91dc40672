// Court figures: the held items (sword, axe, orb, sceptres, flowers, fan, leaf, halberd, torch,
// bow), the sleeve that reaches for them and the hand that closes over them. Every item keeps
// below the panel's top and, for a mirrored figure, out of the corner where the suit's symbol
// sits once the figure is turned over (right of x 48 above y 20 here).
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "cardlib/CourtParts.h"

namespace zarvelo::cardlib::court {

namespace {

// Long things are held upright at the side; queens hold theirs before the chest.
QPointF HandOf(const CourtDesign& d, int value) {
    switch (d.held) {
        case Held::Rose:
        case Held::Tulip: return {41.6, 43.2};
        case Held::Fan: return {42.4, 43.2};
        case Held::Orb: return {46.0, 42.6};
        case Held::Axe: return {46.6, 42.6};
        case Held::Leaf: return {47.0, 42.6};
        default: return {value == 12 ? 47.2 : 48.0, 42.6};
    }
}

QTransform MirrorAt(qreal x) {
    QTransform mirror;
    mirror.translate(2 * x, 0);
    mirror.scale(-1, 1);
    return mirror;
}

void PaintSword(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.55, y - 4.2, 1.1, 7.0), kWood, 0.35);
    Shape(
        p,
        Polygon(
            {{x - 0.9, y - 4.2}, {x + 0.9, y - 4.2}, {x + 0.9, 16.4}, {x, 13.8}, {x - 0.9, 16.4}}),
        kSteel, 0.4);
    p.setPen(QPen(QColor(160, 168, 182), 0.35));
    p.drawLine(QPointF(x, y - 5), QPointF(x, 16.6));
    QPainterPath guard;
    guard.moveTo(x - 3.6, y - 4.0);
    guard.quadTo(x, y - 5.4, x + 3.6, y - 4.0);
    Shape(p, Band(guard, 1.1), kGold, 0.35);
    for (qreal dx : {-3.7, 3.7}) Shape(p, Ellipse(x + dx, y - 4.0, 0.7, 0.7), kGold, 0.3);
    Shape(p, Ellipse(x, y + 3.4, 1.0, 1.0), kGold, 0.35);
}

void PaintAxe(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.6, 16.6, 1.2, y + 6 - 16.6), kWood, 0.4);
    for (qreal k : {0.0, 1.6}) Shape(p, Box(x - 0.75, 30.0 + k, 1.5, 0.7), kGold, 0.25);
    QPainterPath head;
    head.moveTo(x + 0.6, 21.8);
    head.lineTo(x + 4.2, 21.2);
    head.quadTo(x + 7.6, 25.4, x + 4.2, 29.6);
    head.lineTo(x + 0.6, 28.0);
    head.closeSubpath();
    Shape(p, head, kSteel, 0.4);
    p.setPen(QPen(QColor(160, 168, 182), 0.35));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge;
    edge.moveTo(x + 4.0, 22.2);
    edge.quadTo(x + 6.4, 25.4, x + 4.0, 28.6);
    p.drawPath(edge);
    Shape(p, Polygon({{x - 0.6, 23.2}, {x - 2.8, 24.6}, {x - 0.6, 25.8}}), kSteel, 0.35);
    Shape(p, Polygon({{x - 0.6, 16.8}, {x + 0.6, 16.8}, {x, 14.2}}), kSteel, 0.35);
}

void PaintOrb(QPainter& p, QPointF h) {
    const QPointF c = h - QPointF(0, 4.6);
    Shape(p, Box(c.x() - 0.4, c.y() - 6.4, 0.8, 3.6), kGold, 0.3);
    Shape(p, Box(c.x() - 1.3, c.y() - 5.5, 2.6, 0.8), kGold, 0.3);
    Shape(p, Ellipse(c.x(), c.y(), 3.0, 3.0), kGold, 0.5);
    p.setPen(QPen(kInk, 0.35));
    p.drawLine(c - QPointF(3.0, 0), c + QPointF(3.0, 0));
    p.drawLine(c - QPointF(0, 3.0), c);
    p.setPen(Qt::NoPen);
    p.setBrush(kJewel);
    p.drawEllipse(c + QPointF(-1.5, 1.2), 0.55, 0.55);
    p.drawEllipse(c + QPointF(1.5, 1.2), 0.55, 0.55);
    p.setBrush(QColor(255, 244, 200));
    p.drawEllipse(c + QPointF(-1.2, -1.4), 0.6, 0.45);
}

void PaintSceptre(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.5, 19.0, 1.0, y + 5 - 19.0), kGold, 0.35);
    for (qreal at : {26.0, 33.0}) Shape(p, Ellipse(x, at, 0.9, 0.6), kGold, 0.3);
    // A fleuron: a tall middle petal between two curling side petals.
    QPainterPath petal;
    petal.moveTo(x, 13.8);
    petal.cubicTo(x + 1.4, 15.4, x + 1.0, 17.1, x, 18.2);
    petal.cubicTo(x - 1.0, 17.1, x - 1.4, 15.4, x, 13.8);
    QPainterPath side;
    side.moveTo(x + 0.3, 18.2);
    side.cubicTo(x + 1.0, 15.4, x + 3.4, 15.2, x + 2.8, 17.4);
    side.cubicTo(x + 2.4, 16.6, x + 1.4, 17.0, x + 0.9, 18.6);
    side.closeSubpath();
    Shape(p, side, kGold, 0.3);
    Shape(p, MirrorAt(x).map(side), kGold, 0.3);
    Shape(p, petal, kGold, 0.35);
    Shape(p, Ellipse(x, 19.2, 1.3, 1.0), kJewel, 0.35);
}

void PaintOrbSceptre(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.45, 20.0, 0.9, y + 4 - 20.0), kGold, 0.35);
    Shape(p, Box(x - 0.3, 13.8, 0.6, 2.6), kGold, 0.25);
    Shape(p, Box(x - 1.0, 14.5, 2.0, 0.6), kGold, 0.25);
    Shape(p, Ellipse(x, 18.3, 1.9, 1.9), kSapphire, 0.4);
    Shape(p, Box(x - 1.3, 19.9, 2.6, 0.9), kGold, 0.3);
}

void PaintRose(QPainter& p, QPointF h) {
    const QPointF bloom(46.6, 30.4);
    Shape(p, Band(Line(h, bloom), 0.8), kLeafGreen, 0.25);
    for (const auto& [at, angle] :
         {std::pair{QPointF(44.0, 37.6), -30.0}, {{45.3, 34.0}, -150.0}}) {
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotate(angle);
        Shape(p, t.map(Ellipse(1.5, 0, 1.6, 0.7)), kLeafGreen, 0.3);
    }
    for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(bloom.x(), bloom.y());
        t.rotate(72.0 * i);
        Shape(p, t.map(Ellipse(0, -1.5, 1.2, 1.6)), kJewel, 0.3);
    }
    Shape(p, Ellipse(bloom.x(), bloom.y(), 1.0, 1.0), QColor(226, 70, 80), 0.3);
    Shape(p, Ellipse(bloom.x(), bloom.y(), 0.4, 0.4), kGold, 0);
}

void PaintTulip(QPainter& p, QPointF h) {
    const QPointF cup(46.8, 29.0);
    Shape(p, Band(Line(h, cup + QPointF(0, 3.5)), 0.8), kLeafGreen, 0.25);
    QPainterPath blade;
    blade.moveTo(43.8, 40.6);
    blade.quadTo(43.6, 35.0, 46.8, 33.0);
    blade.quadTo(45.6, 37.0, 43.8, 40.6);
    Shape(p, blade, kLeafGreen, 0.3);
    QPainterPath bloom;
    bloom.moveTo(cup + QPointF(-2.1, -2.0));
    bloom.lineTo(cup + QPointF(-1.0, -0.4));
    bloom.lineTo(cup + QPointF(0, -2.6));
    bloom.lineTo(cup + QPointF(1.0, -0.4));
    bloom.lineTo(cup + QPointF(2.1, -2.0));
    bloom.cubicTo(cup + QPointF(2.4, 1.6), cup + QPointF(1.3, 3.0), cup + QPointF(0, 3.0));
    bloom.cubicTo(cup + QPointF(-1.3, 3.0), cup + QPointF(-2.4, 1.6), cup + QPointF(-2.1, -2.0));
    Shape(p, bloom, QColor(244, 176, 40), 0.35);
    Fold(p, Line(cup + QPointF(0, -1.0), cup + QPointF(0, 2.6)), QColor(244, 176, 40), 0.35);
}

void PaintFan(QPainter& p, QPointF h, const QColor& lining) {
    constexpr qreal kRadius = 7.6, kPi = std::numbers::pi;
    QPainterPath fan;
    fan.moveTo(h);
    QPolygonF ribs;
    for (int i = 0; i <= 8; ++i) {
        const qreal a = (-160.0 + 130.0 * i / 8) * kPi / 180;
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
    p.save();
    p.setClipPath(fan, Qt::IntersectClip);
    p.setPen(QPen(lining, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(h, kRadius - 0.9, kRadius - 0.9);
    p.restore();
    p.setPen(QPen(lining, 0.35));
    for (const QPointF& r : ribs) p.drawLine(h, h + (r - h) * 0.92);
    Shape(p, Ellipse(h.x(), h.y(), 0.8, 0.8), kGold, 0.3);
}

void PaintLeaf(QPainter& p, QPointF h) {
    QPainterPath stem;
    stem.moveTo(h + QPointF(0, 2.0));
    stem.quadTo(49.0, 32.0, 47.2, 22.6);
    Shape(p, Band(stem, 0.9), kWood, 0.25);
    const struct {
        QPointF at;
        qreal angle;
    } leaves[] = {
        {{47.2, 22.8}, -100}, {{48.4, 28.0}, -30}, {{48.0, 31.4}, -150}, {{48.6, 35.4}, -40}};
    for (const auto& l : leaves) {
        QTransform t;
        t.translate(l.at.x(), l.at.y());
        t.rotate(l.angle);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(2.6, -2.0, 5.4, 0);
        leaf.quadTo(2.6, 2.0, 0, 0);
        Shape(p, t.map(leaf), kLeafGreen, 0.3);
        Fold(p, t.map(Line({0.6, 0}, {4.6, 0})), kLeafGreen, 0.3);
    }
}

void PaintHalberd(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Box(x - 0.6, 16.2, 1.2, y + 8 - 16.2), kWood, 0.4);
    Shape(p, Polygon({{x - 0.9, 16.8}, {x, 13.6}, {x + 0.9, 16.8}}), kSteel, 0.35);
    QPainterPath blade;
    blade.moveTo(x + 0.6, 17.6);
    blade.lineTo(x + 4.4, 16.6);
    blade.quadTo(x + 5.6, 20.0, x + 4.4, 23.4);
    blade.lineTo(x + 0.6, 21.8);
    blade.closeSubpath();
    Shape(p, blade, kSteel, 0.4);
    Shape(p, Polygon({{x - 0.6, 18.4}, {x - 3.4, 20.0}, {x - 0.6, 20.8}}), kSteel, 0.35);
    // A ring on the haft with a tassel hanging from it.
    Shape(p, Polygon({{x - 0.5, 24.8}, {x - 1.9, 28.6}, {x - 0.2, 28.6}}), kJewel, 0.3);
    Shape(p, Box(x - 0.8, 24.0, 1.6, 0.8), kGold, 0.25);
}

void PaintTorch(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    Shape(p, Polygon({{x - 0.9, 22.4}, {x + 0.9, 22.4}, {x + 0.5, y + 5}, {x - 0.5, y + 5}}), kWood,
          0.4);
    Shape(p, Polygon({{x - 2.0, 20.2}, {x + 2.0, 20.2}, {x + 1.2, 22.8}, {x - 1.2, 22.8}}), kGold,
          0.4);
    QPainterPath flame;
    flame.moveTo(x - 0.3, 13.6);
    flame.cubicTo(x + 0.8, 15.8, x + 3.0, 16.8, x + 2.0, 19.0);
    flame.cubicTo(x + 1.5, 20.4, x - 1.5, 20.4, x - 2.0, 19.0);
    flame.cubicTo(x - 2.6, 17.2, x - 0.6, 16.6, x - 0.3, 13.6);
    Shape(p, flame, QColor(240, 128, 32), 0.35);
    Shape(p, Ellipse(x, 18.6, 0.9, 1.4), QColor(252, 214, 70), 0);
}

void PaintBow(QPainter& p, QPointF h) {
    const qreal x = h.x(), y = h.y();
    const QPointF top(x - 0.6, 14.2), bottom(x - 0.6, 2 * y - 14.2);
    p.setPen(QPen(QColor(236, 232, 220), 0.35));
    p.drawLine(top, bottom);
    QPainterPath limb;
    limb.moveTo(top);
    limb.cubicTo(QPointF(x + 1.4, 18.0), QPointF(x + 4.6, 26.0), QPointF(x + 2.6, y));
    limb.cubicTo(QPointF(x + 4.6, 2 * y - 26.0), QPointF(x + 1.4, 2 * y - 18.0), bottom);
    Shape(p, Band(limb, 1.3), kWood, 0.35);
    Shape(p, Box(x + 1.8, y - 1.8, 1.7, 3.6), kGold, 0.3);
}

}  // namespace

void PaintHeld(QPainter& p, const CourtDesign& d, int value) {
    const QPointF h = HandOf(d, value);
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
void PaintSleeve(QPainter& p, const CourtDesign& d, int value) {
    const QPointF hand = HandOf(d, value);
    QPainterPath arm;
    if (value == 12) {
        arm.moveTo(48.6, 39.6);
        arm.quadTo(49.2, 44.0, hand.x() + 1.8, hand.y() + 0.4);
    } else {
        arm.moveTo(value == 13 ? 51.4 : 50.2, 38.0);
        arm.quadTo(51.6, 42.8, hand.x() + 1.6, hand.y() + 0.4);
    }
    Shape(p, Band(arm, value == 12 ? 3.0 : 4.2), value == 12 ? d.robe : d.lining);
    const QPointF cuff = arm.currentPosition();
    Shape(p, Ellipse(cuff.x(), cuff.y(), 0.9, 2.0), kGold, 0.4);
}

void PaintHand(QPainter& p, const CourtDesign& d, int value) {
    const QPointF hand = HandOf(d, value);
    Shape(p, Ellipse(hand.x(), hand.y(), 1.8, 1.6), kFlesh, 0.4);
    p.setPen(QPen(kInk, 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hand + QPointF(-1.1, -0.5), hand + QPointF(-0.2, -0.5));
    p.drawLine(hand + QPointF(-1.1, 0.4), hand + QPointF(-0.2, 0.4));
}

}  // namespace zarvelo::cardlib::court
