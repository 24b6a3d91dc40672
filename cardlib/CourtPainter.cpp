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

#include "cardlib/CardLib.h"
#include "cardlib/CourtDesigns.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib {

namespace {

constexpr qreal kW = kCardWidth, kH = kCardHeight;
constexpr QPointF kCentre(kW / 2, kH / 2);
constexpr QRectF kPanel(13.5, 9.5, 44.0, 77.0);
constexpr qreal kTilt = 4.0;   // the dividing line rises this much from left to right of centre
constexpr qreal kAxis = 36.0;  // the figure's vertical axis

const QColor kInk(40, 30, 24);  // outlines of the figures
const QColor kGold(236, 186, 52);
const QColor kSteel(222, 226, 234);
const QColor kWood(150, 98, 52);
const QColor kLeafGreen(52, 132, 64);
const QColor kFlesh(253, 226, 194);
const QColor kLinen(250, 248, 240);
const QColor kJewel(200, 32, 44);

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 0.5) {
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

// ---- The held item and the hand

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

// ---- The head

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
