// Draws card faces with paths only: the blank, the corner indices, pip layouts and court panels.
#include "cardlib/CardFacePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QVector>
#include <algorithm>

#include "cardlib/CardColours.h"
#include "cardlib/PixelGrid.h"
#include "cardlib/SuitShapes.h"
#include "cardlib/SuitSymbols.h"

namespace zarvelo::cardlib {
namespace {

constexpr qreal kW = kCardWidth, kH = kCardHeight;
constexpr QPointF kCentre(kW / 2, kH / 2);

const QColor kInk(40, 30, 24);  // outlines of the court figures
const QColor kGold(236, 186, 52);
const QColor kBlue(38, 74, 168);
const QColor kCourtRed(200, 32, 44);
const QColor kFlesh(253, 226, 194);

// Turns the painter half a turn about the card centre, so one routine draws both ends.
void TurnAbout(QPainter& p, const QPointF& centre) {
    p.translate(centre);
    p.rotate(180);
    p.translate(-centre);
}

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

// The rank as glyph outlines, its cap height fixed and its width held to maxWidth.
QPainterPath RankPath(int value, const QPointF& centreOnBaseline, qreal capHeight, qreal maxWidth) {
    static const char* const kNames[] = {"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, QString::fromLatin1(kNames[value - 1]));
    const QRectF ink = glyphs.boundingRect();
    const qreal ky = capHeight / QFontMetricsF(font).capHeight();
    const qreal kx = std::min(ky, maxWidth / ink.width());
    QTransform t;
    t.translate(centreOnBaseline.x(), centreOnBaseline.y());
    t.scale(kx, ky);
    t.translate(-ink.center().x(), 0);
    return t.map(glyphs);
}

// The card fills its box to the edge; the outline is whole device pixels inside it, so its straight
// sides stay crisp at any ratio.
void PaintBlank(QPainter& p) {
    const PixelGrid grid(p);
    const qreal wx = grid.lineWidth() / grid.scaleX(), wy = grid.lineWidth() / grid.scaleY();
    constexpr qreal kRadius = 5.0;
    QPainterPath outer, inner;
    outer.addRoundedRect(QRectF(0, 0, kW, kH), kRadius, kRadius);
    inner.addRoundedRect(QRectF(wx, wy, kW - 2 * wx, kH - 2 * wy), kRadius - wx, kRadius - wy);
    p.fillPath(outer, kCardOutline);
    p.fillPath(inner, kCardPaper);
}

// The rank and, beneath it on the same axis, a pip that is whole pixels at ratio 1.
void PaintIndex(QPainter& p, int suit, int value, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(RankPath(value, QPointF(7.5, 13.5), 9.5, 10.5));
    const qreal width = suit == 2 ? 7 : 9;
    PaintSuitSymbol(p, QRectF(7.5 - width / 2, 15, width, 9), suit, false, ink);
}

void PaintPip(QPainter& p, int suit, const QPointF& centre, qreal size, bool turned) {
    p.save();
    if (turned) TurnAbout(p, centre);
    p.drawPath(FitSuitPath(suit, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size)));
    p.restore();
}

// The classic arrangements: rows (0 top .. 1 bottom) of the two side columns and of the middle.
struct PipLayout {
    QVector<qreal> sides, middle;
};

const PipLayout& LayoutOf(int value) {
    static const PipLayout layouts[] = {
        {{}, {0, 1}},
        {{}, {0, 0.5, 1}},
        {{0, 1}, {}},
        {{0, 1}, {0.5}},
        {{0, 0.5, 1}, {}},
        {{0, 0.5, 1}, {0.25}},
        {{0, 0.5, 1}, {0.25, 0.75}},
        {{0, 1 / 3.0, 2 / 3.0, 1}, {0.5}},
        {{0, 1 / 3.0, 2 / 3.0, 1}, {1 / 6.0, 5 / 6.0}},
    };
    return layouts[value - 2];
}

void PaintPips(QPainter& p, int suit, int value, const QColor& ink) {
    constexpr qreal kColumn = 13.0, kTop = 17.0, kBottom = 79.0;
    const qreal size = value >= 9 ? 11.5 : 12.5;
    const PipLayout& layout = LayoutOf(value);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // Pips below the middle are turned, as on printed cards.
    auto place = [&](qreal column, qreal row) {
        const QPointF centre(kCentre.x() + column * kColumn, kTop + row * (kBottom - kTop));
        PaintPip(p, suit, centre, size, row > 0.5);
    };
    for (qreal row : layout.sides) {
        place(-1, row);
        place(1, row);
    }
    for (qreal row : layout.middle) place(0, row);
}

void PaintAce(QPainter& p, int suit, const QColor& ink) {
    const bool spade = suit == 4;
    const qreal size = spade ? 38.0 : 30.0;
    const QRectF box(kCentre.x() - size / 2, kCentre.y() - size / 2, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(FitSuitPath(suit, box));
    // An engraved line of bare paper follows the pip inside its edge; the ace of spades gets two.
    p.setBrush(Qt::NoBrush);
    for (qreal k : spade ? QVector<qreal>{0.78, 0.62} : QVector<qreal>{0.8}) {
        const qreal inner = size * k;
        // Lobed suits carry their weight above the stem, so the inner line rides a little higher.
        const qreal drop = suit == 1 || spade ? size * (1 - k) * 0.12 : 0.0;
        p.setPen(QPen(kCardPaper, spade ? 0.6 : 0.5));
        p.drawPath(FitSuitPath(suit, QRectF(box.center().x() - inner / 2,
                                            box.center().y() - inner / 2 - drop, inner, inner)));
    }
}

// ---- Court cards: a framed panel holding a two-headed figure, mirrored about a diagonal.

constexpr QRectF kPanel(13.5, 9.5, 44.0, 77.0);
constexpr qreal kTilt = 4.0;  // the dividing line rises this much from left to right of centre

struct Dress {
    QColor robe, trim, inner;
};

void PaintCrown(QPainter& p, bool queen) {
    QPainterPath crown;
    if (queen) {
        crown.moveTo(31.0, 18.5);
        for (int i = 0; i < 4; ++i) crown.quadTo(32.25 + 2.5 * i, 13.0, 33.5 + 2.5 * i, 18.0);
        crown.lineTo(41.0, 18.5);
        crown.closeSubpath();
    } else {
        crown = Polygon({{30.5, 19.0},
                         {30.0, 13.0},
                         {33.0, 16.0},
                         {36.0, 11.5},
                         {39.0, 16.0},
                         {42.0, 13.0},
                         {41.5, 19.0}});
    }
    Shape(p, crown, kGold);
    const QPolygonF pearls =
        queen ? QPolygonF({{32.25, 14.6}, {34.75, 14.6}, {37.25, 14.6}, {39.75, 14.6}})
              : QPolygonF({{30.0, 12.4}, {36.0, 11.5}, {42.0, 12.4}});
    for (const QPointF& at : pearls) Shape(p, Ellipse(at.x(), at.y(), 0.9, 0.9), Qt::white, 0.4);
    Shape(p, Ellipse(36.0, 17.4, 1.0, 0.9), kCourtRed, 0.3);
}

void PaintFace(QPainter& p, int value) {
    Shape(p, Polygon({{34.2, 27.0}, {37.8, 27.0}, {38.0, 31.5}, {34.0, 31.5}}), kFlesh);
    Shape(p, Ellipse(36.0, 23.6, 4.8, 5.6), kFlesh);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(34.2, 22.8), 0.55, 0.5);
    p.drawEllipse(QPointF(37.8, 22.8), 0.55, 0.5);
    p.setPen(QPen(kInk, 0.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(36.2, 22.8);
    nose.quadTo(35.6, 25.0, 36.6, 25.4);
    p.drawPath(nose);
    if (value == 13) {
        // The king's beard and moustache.
        QPainterPath beard;
        beard.moveTo(31.6, 24.5);
        beard.cubicTo(32.0, 30.5, 34.5, 33.0, 36.0, 33.5);
        beard.cubicTo(37.5, 33.0, 40.0, 30.5, 40.4, 24.5);
        beard.cubicTo(39.0, 27.5, 37.0, 26.2, 36.0, 26.3);
        beard.cubicTo(35.0, 26.2, 33.0, 27.5, 31.6, 24.5);
        Shape(p, beard, QColor(214, 150, 62));
    } else {
        p.setPen(QPen(kCourtRed, 0.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(35.1, 27.1), QPointF(36.9, 27.1));
    }
}

void PaintHeadwear(QPainter& p, int value, const Dress& dress) {
    if (value == 11) {
        QPainterPath feather;
        feather.moveTo(40.0, 17.0);
        feather.cubicTo(43.0, 12.0, 46.0, 11.0, 49.0, 10.5);
        feather.cubicTo(47.0, 13.5, 44.0, 16.0, 40.5, 18.0);
        Shape(p, feather, Qt::white);
        Shape(p, Ellipse(36.0, 17.2, 7.2, 3.0), dress.robe);
        Shape(p, Polygon({{30.5, 18.0}, {41.5, 18.0}, {41.0, 19.6}, {31.0, 19.6}}), kGold, 0.4);
    } else {
        PaintCrown(p, value == 12);
    }
}

void PaintHair(QPainter& p, int value) {
    QPainterPath hair;
    if (value == 12) {
        hair.moveTo(31.0, 18.5);
        hair.cubicTo(28.0, 22.0, 30.0, 28.5, 27.0, 33.5);
        hair.quadTo(29.0, 35.0, 31.0, 33.5);
        hair.lineTo(41.0, 33.5);
        hair.quadTo(43.0, 35.0, 45.0, 33.5);
        hair.cubicTo(42.0, 28.5, 44.0, 22.0, 41.0, 18.5);
        hair.closeSubpath();
        Shape(p, hair, QColor(196, 128, 44));
    } else {
        Shape(p, Ellipse(36.0, 22.5, 6.3, value == 13 ? 6.8 : 6.2), QColor(140, 86, 38));
    }
}

// The hand that holds the sword, flower or halberd.
QPointF HandOf(int value) { return value == 11 ? QPointF(46.8, 40.5) : QPointF(27.6, 40.5); }

void PaintItem(QPainter& p, int value) {
    if (value == 13) {
        Shape(p, Polygon({{27.6, 10.5}, {28.6, 12.5}, {28.6, 36.0}, {26.6, 36.0}, {26.6, 12.5}}),
              QColor(222, 226, 234), 0.4);
        Shape(p, Polygon({{27.0, 37.4}, {28.2, 37.4}, {28.2, 39.5}, {27.0, 39.5}}),
              QColor(120, 70, 30), 0.3);
        Shape(p, Polygon({{24.0, 36.0}, {31.2, 36.0}, {31.2, 37.4}, {24.0, 37.4}}), kGold, 0.4);
    } else if (value == 12) {
        p.setPen(QPen(QColor(46, 120, 60), 0.8));
        p.drawLine(HandOf(value), QPointF(26.2, 23.5));
        for (int i = 0; i < 5; ++i) {
            QTransform t;
            t.translate(26.2, 22.0);
            t.rotate(72.0 * i);
            Shape(p, t.map(Ellipse(0, -1.5, 1.1, 1.6)), kCourtRed, 0.3);
        }
        Shape(p, Ellipse(26.2, 22.0, 0.9, 0.9), kGold, 0.3);
    } else {
        Shape(p, Polygon({{46.4, 14.0}, {47.6, 14.0}, {47.6, 44.0}, {46.4, 44.0}}),
              QColor(150, 98, 52), 0.4);
        QPainterPath blade;
        blade.moveTo(47.0, 10.0);
        blade.lineTo(48.2, 14.5);
        blade.quadTo(52.5, 14.0, 53.0, 18.5);
        blade.quadTo(50.5, 17.0, 47.0, 17.8);
        blade.lineTo(45.8, 14.5);
        blade.closeSubpath();
        Shape(p, blade, QColor(222, 226, 234), 0.4);
    }
}

void PaintBody(QPainter& p, int value, const Dress& dress) {
    QPainterPath robe;
    robe.moveTo(20.5, 56.0);
    robe.lineTo(21.8, 38.0);
    robe.quadTo(23.0, 32.0, 30.0, 31.0);
    robe.lineTo(42.0, 31.0);
    robe.quadTo(49.0, 32.0, 50.2, 38.0);
    robe.lineTo(51.5, 56.0);
    robe.closeSubpath();
    Shape(p, robe, dress.robe);
    Shape(p, Polygon({{31.0, 31.0}, {41.0, 31.0}, {44.0, 56.0}, {28.0, 56.0}}), dress.trim);
    Shape(p, Polygon({{34.5, 32.0}, {37.5, 32.0}, {38.5, 56.0}, {33.5, 56.0}}), dress.inner, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(36.0, 36.0 + 4.0 * i), 0.7, 0.7);
    // A ruffled collar, finer for the queen.
    QPainterPath collar;
    collar.moveTo(29.0, 31.0);
    const int waves = value == 12 ? 6 : 4;
    const qreal step = 14.0 / waves;
    for (int i = 0; i < waves; ++i) {
        collar.quadTo(29.0 + step * (i + 0.5), 35.0, 29.0 + step * (i + 1), 31.0);
    }
    collar.quadTo(36.0, 29.5, 29.0, 31.0);
    Shape(p, collar, Qt::white, 0.4);
    // The arm bends from the shoulder to the hand in a sleeve of the inner colour.
    const QPointF hand = HandOf(value);
    const qreal side = value == 11 ? 1.0 : -1.0;
    QPainterPath arm;
    arm.moveTo(36.0 + side * 12.0, 34.5);
    arm.quadTo(36.0 + side * 14.0, 40.0, hand.x() - side * 1.5, hand.y() + 0.5);
    QPainterPathStroker stroker;
    stroker.setWidth(4.2);
    stroker.setCapStyle(Qt::RoundCap);
    Shape(p, stroker.createStroke(arm), dress.inner);
    Shape(p, Ellipse(hand.x() - side * 1.6, hand.y() + 0.4, 0.9, 2.3), kGold, 0.4);
    Shape(p, Ellipse(hand.x(), hand.y(), 1.8, 1.6), kFlesh, 0.4);
}

void PaintCourtHalf(QPainter& p, int suit, int value, const QColor& ink) {
    const bool red = IsRedSuit(suit);
    const Dress dress{red ? kCourtRed : kBlue, kGold, red ? kBlue : kCourtRed};
    PaintBody(p, value, dress);
    PaintItem(p, value);
    PaintHair(p, value);
    PaintFace(p, value);
    PaintHeadwear(p, value, dress);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(FitSuitPath(suit, QRectF(kPanel.left() + 1.5, kPanel.top() + 1.5, 7.0, 7.0)));
}

void PaintCourt(QPainter& p, int suit, int value, const QColor& ink) {
    const QPolygonF upper{kPanel.topLeft(),
                          kPanel.topRight(),
                          {kPanel.right(), kCentre.y() - kTilt},
                          {kPanel.left(), kCentre.y() + kTilt}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(kPanel);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) TurnAbout(p, kCentre);
        p.setClipPath(Polygon(upper), Qt::IntersectClip);
        PaintCourtHalf(p, suit, value, ink);
        p.restore();
    }
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(upper[3], upper[2]);
    p.drawRect(kPanel);
    p.setPen(QPen(kGold, 0.6));
    p.drawRect(kPanel.adjusted(1.0, 1.0, -1.0, -1.0));
}

}  // namespace

void PaintCardFace(QPainter& painter, const QPointF& topLeft, int suit, int value) {
    if (suit < 1 || suit > 4 || value < 1 || value > 13) return;
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = SuitInk(suit);
    PaintBlank(painter);
    PaintIndex(painter, suit, value, ink);
    painter.save();
    TurnAbout(painter, kCentre);
    PaintIndex(painter, suit, value, ink);
    painter.restore();
    if (value >= 11) {
        PaintCourt(painter, suit, value, ink);
    } else if (value == 1) {
        PaintAce(painter, suit, ink);
    } else {
        PaintPips(painter, suit, value, ink);
    }
    painter.restore();
}

void PaintEmptySlot(QPainter& painter, const QPointF& topLeft) {
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line(112, 150, 124);
    // A dashed edge whole device pixels wide, centred on a pixel row so its straight runs are
    // crisp.
    const PixelGrid grid(painter);
    const qreal w = grid.lineWidth() / grid.scaleX();
    QPen pen(line, w, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({4.0 / w, 2.0 / w});
    painter.setPen(pen);
    painter.setBrush(QColor(18, 30, 22));
    painter.drawRoundedRect(QRectF(1.0 + w / 2, 1.0 + w / 2, kW - 2 - w, kH - 2 - w), 5.0, 5.0);
    // A faint diamond of the four suits marks the middle.
    QColor faint = line;
    faint.setAlpha(120);
    constexpr qreal kReach = 9.0;
    const QPointF spots[] = {{0, -kReach}, {kReach, 0}, {-kReach, 0}, {0, kReach}};
    for (int suit = 1; suit <= 4; ++suit) {
        const QPointF c = QPointF(kCentre.x(), kCentre.y() + 0.5) + spots[suit - 1];
        const qreal width = suit == 2 ? 7 : 9;
        PaintSuitSymbol(painter, QRectF(c.x() - width / 2, c.y() - 4.5, width, 9), suit, false,
                        faint);
    }
    painter.restore();
}

}  // namespace zarvelo::cardlib
