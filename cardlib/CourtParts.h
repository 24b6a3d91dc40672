// The parts a court figure is drawn from, shared by the files that paint them: the card's
// measures, the figures' colours and the shapes every part is built from.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "cardlib/CardLib.h"
#include "cardlib/CourtDesigns.h"

namespace zarvelo::cardlib::court {

constexpr qreal kW = kCardWidth, kH = kCardHeight;
constexpr QPointF kCentre(kW / 2, kH / 2);
constexpr QRectF kPanel(13.5, 9.5, 44.0, 77.0);
constexpr qreal kTilt = 4.0;    // the dividing line rises this much from left to right of centre
constexpr qreal kAxis = 36.0;   // the figure's vertical axis
constexpr qreal kHeadY = 25.4;  // the middle of the face

// A point of the head, from the middle of the face.
constexpr QPointF AtHead(qreal dx, qreal dy) { return {kAxis + dx, kHeadY + dy}; }

inline const QColor kInk(40, 30, 24);  // outlines of the figures
inline const QColor kGold(236, 186, 52);
inline const QColor kSteel(222, 226, 234);
inline const QColor kWood(150, 98, 52);
inline const QColor kLeafGreen(52, 132, 64);
inline const QColor kFlesh(253, 226, 194);
inline const QColor kBlush(247, 196, 176);
inline const QColor kLips(196, 70, 72);
inline const QColor kLinen(250, 248, 240);
inline const QColor kJewel(200, 32, 44);
inline const QColor kSapphire(60, 96, 190);

// Shapes every part is built from.
void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 0.5);
QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath Polygon(const QPolygonF& points);
QPainterPath Box(qreal x, qreal y, qreal w, qreal h);
// A line drawn as a filled band, so that it gets an outline like every other shape.
QPainterPath Band(const QPainterPath& spine, qreal width);
QPainterPath Line(QPointF a, QPointF b);
// A path and its reflection about the figure's axis, for shapes with two like sides.
QPainterPath BothSides(const QPainterPath& half);
// A fold or seam: a thin line in a darker shade of the cloth it lies on.
void Fold(QPainter& p, const QPainterPath& path, const QColor& cloth, qreal width = 0.45);

// The clothed body up to the neck, the free arm and the suit's emblem: one pose for the kings,
// one for the queens and one for the jacks (CourtBody.cpp).
void PaintBody(QPainter& p, const CourtDesign& d, int suit, int value, const QColor& ink);
void PaintFreeArm(QPainter& p, const CourtDesign& d, int value);

// The held item, the sleeve that reaches for it and the hand that holds it (CourtHeld.cpp).
void PaintSleeve(QPainter& p, const CourtDesign& d, int value);
void PaintHeld(QPainter& p, const CourtDesign& d, int value);
void PaintHand(QPainter& p, const CourtDesign& d, int value);

// The head: hair, face, beard and headwear (CourtHead.cpp, CourtHeadwear.cpp).
void PaintBehindFace(QPainter& p, const CourtDesign& d);
void PaintHair(QPainter& p, const CourtDesign& d);
void PaintFace(QPainter& p, const CourtDesign& d, int value);
void PaintBeard(QPainter& p, const CourtDesign& d);
void PaintHatBrim(QPainter& p, const CourtDesign& d);
void PaintCrowns(QPainter& p, const CourtDesign& d);

}  // namespace zarvelo::cardlib::court
