// Paints the logo's fan: four aces on lit paper and, on top, a red card bearing a gold question mark.
#include "artwork/LogoFan.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cstddef>

#include "artwork/LogoGold.h"
#include "artwork/PathTools.h"
#include "artwork/SoftShadow.h"

namespace zarvelo::artwork {
namespace {

enum class Suit { Club, Diamond, Heart, Spade };

constexpr QPointF kFanPivot(199.0, 372.0);
constexpr qreal kCardWidth = 106.0, kCardHeight = 152.0, kCardRadius = 9.0;
constexpr qreal kCardReach = 336.0;  // pivot to the top edge of a card

const QColor kRed(196, 22, 36);
const QColor kBlack(22, 22, 28);

// Suit shapes live in a unit box so one path serves pips of every size.
QPainterPath BuildSuitPath(Suit suit) {
    QPainterPath path;
    switch (suit) {
    case Suit::Heart:
        path.moveTo(0.5, 1.0);
        path.cubicTo(0.36, 0.80, 0.0, 0.60, 0.0, 0.30);
        path.cubicTo(0.0, 0.10, 0.14, 0.0, 0.27, 0.0);
        path.cubicTo(0.40, 0.0, 0.48, 0.09, 0.5, 0.20);
        path.cubicTo(0.52, 0.09, 0.60, 0.0, 0.73, 0.0);
        path.cubicTo(0.86, 0.0, 1.0, 0.10, 1.0, 0.30);
        path.cubicTo(1.0, 0.60, 0.64, 0.80, 0.5, 1.0);
        break;
    case Suit::Diamond:
        path.moveTo(0.5, 0.0);
        path.quadTo(0.62, 0.30, 0.9, 0.5);
        path.quadTo(0.62, 0.70, 0.5, 1.0);
        path.quadTo(0.38, 0.70, 0.1, 0.5);
        path.quadTo(0.38, 0.30, 0.5, 0.0);
        break;
    case Suit::Spade: {
        QPainterPath blade;
        blade.moveTo(0.5, 0.0);
        blade.cubicTo(0.64, 0.18, 1.0, 0.36, 1.0, 0.60);
        blade.cubicTo(1.0, 0.76, 0.88, 0.84, 0.74, 0.84);
        blade.cubicTo(0.62, 0.84, 0.54, 0.77, 0.5, 0.68);
        blade.cubicTo(0.46, 0.77, 0.38, 0.84, 0.26, 0.84);
        blade.cubicTo(0.12, 0.84, 0.0, 0.76, 0.0, 0.60);
        blade.cubicTo(0.0, 0.36, 0.36, 0.18, 0.5, 0.0);
        QPainterPath stem;
        stem.moveTo(0.47, 0.66);
        stem.quadTo(0.46, 0.90, 0.30, 1.0);
        stem.lineTo(0.70, 1.0);
        stem.quadTo(0.54, 0.90, 0.53, 0.66);
        stem.closeSubpath();
        path = Combine(blade, PathOp::Unite, stem);
        break;
    }
    case Suit::Club: {
        constexpr qreal r = 0.23;
        path.addEllipse(QPointF(0.5, 0.25), r, r);
        QPainterPath left, right, stem;
        left.addEllipse(QPointF(0.24, 0.60), r, r);
        right.addEllipse(QPointF(0.76, 0.60), r, r);
        stem.moveTo(0.46, 0.40);
        stem.quadTo(0.46, 0.88, 0.28, 1.0);
        stem.lineTo(0.72, 1.0);
        stem.quadTo(0.54, 0.88, 0.54, 0.40);
        stem.closeSubpath();
        path = Combine(Combine(Combine(path, PathOp::Unite, left), PathOp::Unite, right), PathOp::Unite, stem);
        break;
    }
    }
    return path;
}

const QPainterPath& SuitPath(Suit suit) {
    static const std::array<QPainterPath, 4> shapes{BuildSuitPath(Suit::Club), BuildSuitPath(Suit::Diamond),
                                                    BuildSuitPath(Suit::Heart), BuildSuitPath(Suit::Spade)};
    return shapes[static_cast<std::size_t>(suit)];
}

QRectF CardRect() { return QRectF(-kCardWidth / 2, -kCardReach, kCardWidth, kCardHeight); }

QPainterPath CardOutline() {
    QPainterPath path;
    path.addRoundedRect(CardRect(), kCardRadius, kCardRadius);
    return path;
}

void PaintCardBlank(QPainter& p) {
    const QRectF r = CardRect();
    PaintSoftShadow(p, CardOutline(), QPointF(3, 5), 12, 120);
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 252));
    paper.setColorAt(1.0, QColor(228, 224, 212));
    p.setBrush(paper);
    p.setPen(QPen(QColor(120, 110, 96), 1.0));
    p.drawPath(CardOutline());
}

// One index: the rank above a small pip, drawn upright in a top corner.
void PaintIndex(QPainter& p, Suit suit, const QColor& ink, qreal centreX, qreal top) {
    static const QPainterPath rank = TextPath(QStringLiteral("A"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(FittedInto(rank, QRectF(centreX - 9, top, 18, 19)));
    p.drawPath(Placed(SuitPath(suit), QRectF(centreX - 7, top + 23, 14, 15)));
}

void PaintAce(QPainter& p, Suit suit) {
    const bool red = suit == Suit::Heart || suit == Suit::Diamond;
    const QColor ink = red ? kRed : kBlack;
    PaintCardBlank(p);
    const QRectF r = CardRect();
    PaintIndex(p, suit, ink, r.left() + 14, r.top() + 8);
    PaintIndex(p, suit, ink, r.right() - 14, r.top() + 8);

    const QRectF pip(r.center().x() - 27, r.center().y() - 30, 54, 58);
    const QPainterPath big = Placed(SuitPath(suit), pip);
    QLinearGradient shade(pip.topLeft(), pip.bottomRight());
    shade.setColorAt(0.0, ink.lighter(red ? 135 : 260));
    shade.setColorAt(0.6, ink);
    shade.setColorAt(1.0, ink.darker(140));
    p.setBrush(shade);
    p.drawPath(big);
    // A thin gleam along the upper left keeps the pip from looking flat.
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(Combine(big, PathOp::Subtract, Placed(SuitPath(suit), pip.translated(2.5, 3.0))));
}

void PaintQuestionCard(QPainter& p) {
    const QRectF r = CardRect();
    PaintSoftShadow(p, CardOutline(), QPointF(3, 6), 16, 150);
    QLinearGradient face(r.topLeft(), r.bottomRight());
    face.setColorAt(0.0, QColor(168, 18, 34));
    face.setColorAt(1.0, QColor(78, 4, 14));
    p.setBrush(face);
    p.setPen(QPen(QColor(60, 0, 8), 1.0));
    p.drawPath(CardOutline());

    const QRectF frame = r.adjusted(7, 7, -7, -7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(GoldGradient(frame.top(), frame.bottom())), 2.0));
    p.drawRoundedRect(frame, 5, 5);
    p.setPen(QPen(QColor(240, 200, 100, 110), 0.8));
    p.drawRoundedRect(frame.adjusted(4, 4, -4, -4), 3, 3);

    // The mark's own dot is swapped for a diamond, so cut it off and draw that instead.
    static const QPainterPath glyph = TextPath(QStringLiteral("?"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    const QRectF markBox(r.center().x() - 34, r.top() + 20, 68, 100);
    QPainterPath mark = FittedInto(glyph, markBox);
    const QRectF hookBounds(markBox.left() - 20, markBox.top() - 10, markBox.width() + 40, markBox.height() * 0.76);
    QPainterPath clip;
    clip.addRect(hookBounds);
    mark = Combine(mark, PathOp::Intersect, clip);

    const QRectF dot(r.center().x() - 11, markBox.bottom() - 20, 22, 24);
    mark = Combine(mark, PathOp::Unite, Placed(SuitPath(Suit::Diamond), dot));

    PaintSoftShadow(p, mark, QPointF(2, 3), 6, 170);
    p.setPen(QPen(QColor(70, 36, 4), 1.2));
    p.setBrush(GoldGradient(markBox.top(), markBox.bottom()));
    p.drawPath(mark);
}

}  // namespace

void PaintLogoFan(QPainter& p) {
    struct Slot {
        qreal angle;
        bool question;
        Suit suit;
    };
    // Outer cards first so the centre card lies on top; colours alternate black, red, red, black.
    const std::array<Slot, 5> order{{{-26, false, Suit::Club},
                                     {26, false, Suit::Spade},
                                     {-13, false, Suit::Heart},
                                     {13, false, Suit::Diamond},
                                     {0, true, Suit::Diamond}}};
    for (const Slot& slot : order) {
        p.save();
        p.translate(kFanPivot);
        p.rotate(slot.angle);
        if (slot.question)
            PaintQuestionCard(p);
        else
            PaintAce(p, slot.suit);
        p.restore();
    }
}

}  // namespace zarvelo::artwork
