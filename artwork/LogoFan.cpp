// Paints the logo's fan: four aces on lit paper, and a red card with a gold question mark on top.
#include "artwork/LogoFan.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <array>

#include "artwork/LogoGold.h"
#include "artwork/PathTools.h"
#include "artwork/SoftShadow.h"
#include "cardlib/CardColours.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::artwork {
namespace {

// The card library's suit numbers.
constexpr int kClubs = 1, kDiamonds = 2, kHearts = 3, kSpades = 4;

constexpr QPointF kFanPivot(199.0, 372.0);
constexpr qreal kCardWidth = 106.0, kCardHeight = 152.0, kCardRadius = 9.0;
constexpr qreal kCardReach = 336.0;  // pivot to the top edge of a card

QRectF CardRect() { return QRectF(-kCardWidth / 2, -kCardReach, kCardWidth, kCardHeight); }

QPainterPath CardOutline() {
    QPainterPath path;
    path.addRoundedRect(CardRect(), kCardRadius, kCardRadius);
    return path;
}

void PaintCardBlank(QPainter& p) {
    const QRectF r = CardRect();
    PaintSoftShadow(p, CardOutline(), QPointF(3, 5), 12, 120);
    // The lamp above the table is warm, so the paper falls off towards amber, not grey.
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, cardlib::kCardPaper);
    paper.setColorAt(1.0, QColor::fromRgbF(cardlib::kCardPaper.redF() * 0.89f,
                                           cardlib::kCardPaper.greenF() * 0.88f,
                                           cardlib::kCardPaper.blueF() * 0.83f));
    p.setBrush(paper);
    p.setPen(QPen(cardlib::kCardOutline, 1.0));
    p.drawPath(CardOutline());
}

// The card library's suit shape centred on c, side units tall or wide, whichever is larger.
QPainterPath SuitAt(int suit, QPointF c, qreal side) {
    return cardlib::FitSuitPath(suit, QRectF(c.x() - side / 2, c.y() - side / 2, side, side));
}

// One index: the rank above a small pip, drawn upright in a top corner.
void PaintIndex(QPainter& p, int suit, const QColor& ink, qreal centreX, qreal top) {
    static const QPainterPath rank =
        TextPath(QStringLiteral("A"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(FittedInto(rank, QRectF(centreX - 9, top, 18, 19)));
    p.drawPath(SuitAt(suit, QPointF(centreX, top + 30.5), 15));
}

void PaintAce(QPainter& p, int suit) {
    const bool red = cardlib::IsRedSuit(suit);
    const QColor ink = cardlib::SuitInk(suit);
    PaintCardBlank(p);
    const QRectF r = CardRect();
    PaintIndex(p, suit, ink, r.left() + 14, r.top() + 8);
    PaintIndex(p, suit, ink, r.right() - 14, r.top() + 8);

    const QPainterPath big = SuitAt(suit, r.center() - QPointF(0, 1), 57);
    const QRectF pip = big.boundingRect();
    QLinearGradient shade(pip.topLeft(), pip.bottomRight());
    shade.setColorAt(0.0, ink.lighter(red ? 135 : 260));
    shade.setColorAt(0.6, ink);
    shade.setColorAt(1.0, ink.darker(140));
    p.setBrush(shade);
    p.drawPath(big);
    // A thin gleam along the upper left keeps the pip from looking flat.
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(Combine(big, PathOp::Subtract, big.translated(2.5, 3.0)));
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
    static const QPainterPath glyph =
        TextPath(QStringLiteral("?"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    const QRectF markBox(r.center().x() - 34, r.top() + 20, 68, 100);
    QPainterPath mark = FittedInto(glyph, markBox);
    const QRectF hookBounds(markBox.left() - 20, markBox.top() - 10, markBox.width() + 40,
                            markBox.height() * 0.76);
    QPainterPath clip;
    clip.addRect(hookBounds);
    mark = Combine(mark, PathOp::Intersect, clip);

    const QPointF dot(r.center().x(), markBox.bottom() - 8);
    mark = Combine(mark, PathOp::Unite, SuitAt(kDiamonds, dot, 24));

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
        int suit;
    };
    // Outer cards first so the centre card lies on top; colours alternate black, red, red, black.
    const std::array<Slot, 5> order{{{-26, false, kClubs},
                                     {26, false, kSpades},
                                     {-13, false, kHearts},
                                     {13, false, kDiamonds},
                                     {0, true, kDiamonds}}};
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
