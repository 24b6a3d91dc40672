// Draws card faces with paths only: the blank, the corner indices, pip layouts; the court panels
// come from CourtPainter.
#include "cardlib/CardFacePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QVector>
#include <algorithm>

#include "cardlib/CardColours.h"
#include "cardlib/CourtPainter.h"
#include "cardlib/PixelGrid.h"
#include "cardlib/SuitShapes.h"
#include "cardlib/SuitSymbols.h"

namespace zarvelo::cardlib {
namespace {

constexpr qreal kW = kCardWidth, kH = kCardHeight;
constexpr QPointF kCentre(kW / 2, kH / 2);

// Turns the painter half a turn about the card centre, so one routine draws both ends.
void TurnAbout(QPainter& p, const QPointF& centre) {
    p.translate(centre);
    p.rotate(180);
    p.translate(-centre);
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
