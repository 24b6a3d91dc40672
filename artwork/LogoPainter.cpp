// Draws the splash logo: a felt table, a fan of four aces around a question-mark card, and the word mark.
#include "artwork/LogoPainter.h"

#include <future>

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSysInfo>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zarvelo {
namespace {

enum class Suit { Club, Diamond, Heart, Spade };

constexpr QPointF kFanPivot(199.0, 372.0);
constexpr qreal kCardWidth = 106.0, kCardHeight = 152.0, kCardRadius = 9.0;
constexpr qreal kCardReach = 336.0;  // pivot to the top edge of a card

const QColor kRed(196, 22, 36);
const QColor kBlack(22, 22, 28);

// Qt's path set operations flatten curves at a fixed tolerance, so they run at a large scale.
enum class Op { Unite, Intersect, Subtract };
QPainterPath Combine(const QPainterPath& a, Op op, const QPainterPath& b) {
    constexpr qreal kFine = 16.0;
    const QTransform up = QTransform::fromScale(kFine, kFine);
    const QPainterPath fa = up.map(a), fb = up.map(b);
    const QPainterPath out = op == Op::Unite       ? fa.united(fb)
                             : op == Op::Intersect ? fa.intersected(fb)
                                                   : fa.subtracted(fb);
    return QTransform::fromScale(1 / kFine, 1 / kFine).map(out);
}

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
        path = Combine(blade, Op::Unite, stem);
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
        path = Combine(Combine(Combine(path, Op::Unite, left), Op::Unite, right), Op::Unite, stem);
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

// Maps a unit-box path onto a rectangle.
QPainterPath Placed(const QPainterPath& unit, const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(unit);
}

// Scales a path uniformly and centres it in a box, whatever the font metrics turn out to be.
QPainterPath FittedInto(const QPainterPath& path, const QRectF& box) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return path;
    const qreal s = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

QPainterPath TextPath(const QString& text, const QString& family, int weight) {
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(static_cast<QFont::Weight>(weight));
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QLinearGradient GoldGradient(qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.00, QColor(255, 246, 196));
    g.setColorAt(0.30, QColor(246, 202, 82));
    g.setColorAt(0.52, QColor(176, 124, 22));
    g.setColorAt(0.72, QColor(250, 218, 112));
    g.setColorAt(1.00, QColor(132, 88, 14));
    return g;
}

// Spreads the alpha of a premultiplied black mask over `radius` pixels each way (three box passes
// come close to a Gaussian).
void BlurAlpha(QImage& mask, int radius) {
    if (radius < 1) return;
    const int w = mask.width(), h = mask.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    const auto pass = [&](int length, int lines, auto at) {
        for (int l = 0; l < lines; ++l) {
            for (int i = 0; i < length; ++i) line[static_cast<std::size_t>(i)] = at(l, i);
            int sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < length) ? line[static_cast<std::size_t>(i)] : 0;
            const int span = 2 * radius + 1;
            for (int i = 0; i < length; ++i) {
                at(l, i) = sum / span;
                const int in = i + radius + 1, out = i - radius;
                if (in < length) sum += line[static_cast<std::size_t>(in)];
                if (out >= 0) sum -= line[static_cast<std::size_t>(out)];
            }
        }
    };
    // Only the alpha byte carries anything: the colour of premultiplied black is zero.
    uchar* const bits = mask.bits();
    const qsizetype stride = mask.bytesPerLine();
    const int alphaByte = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 3 : 0;
    const auto alphaAt = [&](int y, int x) -> uchar& { return bits[y * stride + x * 4 + alphaByte]; };
    for (int round = 0; round < 3; ++round) {
        pass(w, h, [&](int y, int x) -> uchar& { return alphaAt(y, x); });
        pass(h, w, [&](int x, int y) -> uchar& { return alphaAt(y, x); });
    }
}

// A soft drop shadow: the shape filled into a coarse mask, blurred, and laid back under the shape.
// The coarse mask keeps this cheap, and a blur has no detail that its resolution could lose.
void SoftShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal spread, int alpha) {
    const QTransform world = p.worldTransform();
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const qreal scale = std::sqrt(std::abs(world.determinant())) * dpr;  // logo units to device pixels
    const qreal blur = spread * scale / 2;                                 // device pixels each way
    const qreal step = std::max(1.0, blur / 3);                            // device pixels per mask pixel
    const QRectF area = world.map(path.translated(offset)).boundingRect().adjusted(
        -blur / dpr * 1.5, -blur / dpr * 1.5, blur / dpr * 1.5, blur / dpr * 1.5);
    const int mw = static_cast<int>(std::ceil(area.width() * dpr / step)) + 1;
    const int mh = static_cast<int>(std::ceil(area.height() * dpr / step)) + 1;
    if (mw > 4096 || mh > 4096) return;  // a shape far off the picture
    QImage mask(mw, mh, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.setTransform(QTransform::fromTranslate(offset.x(), offset.y()) * world *
                        QTransform::fromTranslate(-area.left(), -area.top()) *
                        QTransform::fromScale(dpr / step, dpr / step));
        mp.setPen(Qt::NoPen);
        mp.setBrush(QColor(0, 0, 0, std::clamp(alpha, 0, 255)));
        mp.drawPath(path);
    }
    BlurAlpha(mask, static_cast<int>(std::lround(blur / step)));
    p.save();
    p.setWorldTransform(QTransform());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(area.topLeft(), QSizeF(mw * step / dpr, mh * step / dpr)), mask);
    p.restore();
}

void PaintTable(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), QColor(6, 6, 8));

    QRadialGradient spot(QPointF(199, 150), 260);
    spot.setColorAt(0.0, QColor(60, 60, 56));
    spot.setColorAt(1.0, QColor(6, 6, 8, 0));
    p.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), spot);

    const QRectF rail(10, 12, 378, 330);
    QPainterPath railShape;
    railShape.addEllipse(rail);
    SoftShadow(p, railShape, QPointF(0, 6), 18, 150);

    QLinearGradient wood(0, rail.top(), 0, rail.bottom());
    wood.setColorAt(0.0, QColor(92, 40, 22));
    wood.setColorAt(0.5, QColor(52, 20, 10));
    wood.setColorAt(1.0, QColor(30, 10, 6));
    p.setBrush(wood);
    p.drawEllipse(rail);

    const QRectF felt = rail.adjusted(13, 13, -13, -13);
    p.setBrush(GoldGradient(felt.top(), felt.bottom()));
    p.drawEllipse(felt.adjusted(-3, -3, 3, 3));

    QRadialGradient cloth(QPointF(199, 130), 230);
    cloth.setColorAt(0.0, QColor(34, 150, 84));
    cloth.setColorAt(0.55, QColor(14, 98, 52));
    cloth.setColorAt(1.0, QColor(4, 44, 22));
    p.setBrush(cloth);
    p.drawEllipse(felt);

    // A faint inner line, as printed on a real layout.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 200, 110, 70), 1.5));
    p.drawEllipse(felt.adjusted(16, 16, -16, -16));
}

QRectF CardRect() { return QRectF(-kCardWidth / 2, -kCardReach, kCardWidth, kCardHeight); }

QPainterPath CardOutline() {
    QPainterPath path;
    path.addRoundedRect(CardRect(), kCardRadius, kCardRadius);
    return path;
}

void PaintCardBlank(QPainter& p) {
    const QRectF r = CardRect();
    SoftShadow(p, CardOutline(), QPointF(3, 5), 12, 120);
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
    p.drawPath(Combine(big, Op::Subtract, Placed(SuitPath(suit), pip.translated(2.5, 3.0))));
}

void PaintQuestionCard(QPainter& p) {
    const QRectF r = CardRect();
    SoftShadow(p, CardOutline(), QPointF(3, 6), 16, 150);
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
    mark = Combine(mark, Op::Intersect, clip);

    const QRectF dot(r.center().x() - 11, markBox.bottom() - 20, 22, 24);
    mark = Combine(mark, Op::Unite, Placed(SuitPath(Suit::Diamond), dot));

    SoftShadow(p, mark, QPointF(2, 3), 6, 170);
    p.setPen(QPen(QColor(70, 36, 4), 1.2));
    p.setBrush(GoldGradient(markBox.top(), markBox.bottom()));
    p.drawPath(mark);
}

void PaintFan(QPainter& p) {
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

QPointF OnEllipse(QPointF c, qreal rx, qreal ry, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + rx * qCos(a), c.y() + ry * qSin(a)};
}

// A chip seen from above at a slant: a dark edge band with inlays, then the face on top.
void PaintChip(QPainter& p, QPointF face, const QColor& body) {
    constexpr qreal rx = 25, ry = 9.5, thick = 6;
    QPainterPath edge;
    edge.addEllipse(face + QPointF(0, thick), rx, ry);
    QPainterPath band;
    band.addRect(QRectF(face.x() - rx, face.y(), 2 * rx, thick));
    edge = Combine(edge, Op::Unite, band);
    p.setPen(QPen(body.darker(260), 0.8));
    p.setBrush(body.darker(150));
    p.drawPath(edge);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 240, 226));
    for (qreal a : {20.0, 70.0, 120.0, 165.0}) {
        QPolygonF inlay;
        inlay << OnEllipse(face, rx, ry, a - 7) << OnEllipse(face, rx, ry, a + 7)
              << OnEllipse(face, rx, ry, a + 7) + QPointF(0, thick)
              << OnEllipse(face, rx, ry, a - 7) + QPointF(0, thick);
        p.drawPolygon(inlay);
    }

    QRadialGradient top(face + QPointF(-6, -3), rx * 1.2);
    top.setColorAt(0.0, body.lighter(135));
    top.setColorAt(1.0, body);
    p.setBrush(top);
    p.setPen(QPen(body.darker(200), 0.8));
    p.drawEllipse(face, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 240, 226));
    for (int i = 0; i < 6; ++i) {
        const qreal a = 15 + i * 60;
        QPolygonF dash;
        dash << OnEllipse(face, rx - 1, ry - 0.5, a - 9) << OnEllipse(face, rx - 1, ry - 0.5, a + 9)
             << OnEllipse(face, rx * 0.74, ry * 0.74, a + 7) << OnEllipse(face, rx * 0.74, ry * 0.74, a - 7);
        p.drawPolygon(dash);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 206, 110, 200), 1.0));
    p.drawEllipse(face, rx * 0.56, ry * 0.56);
}

void PaintChipStack(QPainter& p, QPointF base, int count, const QColor& body) {
    QPainterPath footprint;
    footprint.addEllipse(base + QPointF(4, 8), 27, 10);
    SoftShadow(p, footprint, QPointF(0, 0), 12, 140);
    for (int i = 0; i < count; ++i) PaintChip(p, base - QPointF(0, 6.0 * (i + 1)), body);
}

void PaintSparkle(QPainter& p, QPointF c, qreal size) {
    QPainterPath star;
    const qreal w = size * 0.22;
    star.moveTo(c.x(), c.y() - size);
    star.quadTo(c.x() + w * 0.3, c.y() - w * 0.3, c.x() + size, c.y());
    star.quadTo(c.x() + w * 0.3, c.y() + w * 0.3, c.x(), c.y() + size);
    star.quadTo(c.x() - w * 0.3, c.y() + w * 0.3, c.x() - size, c.y());
    star.quadTo(c.x() - w * 0.3, c.y() - w * 0.3, c.x(), c.y() - size);
    QRadialGradient glow(c, size);
    glow.setColorAt(0.0, QColor(255, 255, 240));
    glow.setColorAt(1.0, QColor(255, 220, 120, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(star);
}

void PaintWordMark(QPainter& p) {
    const QRectF plate(34, 276, 330, 84);
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 16, 16);
    SoftShadow(p, plateShape, QPointF(0, 6), 16, 170);

    QLinearGradient lacquer(0, plate.top(), 0, plate.bottom());
    lacquer.setColorAt(0.0, QColor(44, 40, 44));
    lacquer.setColorAt(0.5, QColor(12, 10, 12));
    lacquer.setColorAt(1.0, QColor(26, 22, 24));
    p.setBrush(lacquer);
    p.setPen(QPen(QBrush(GoldGradient(plate.top(), plate.bottom())), 3.0));
    p.drawPath(plateShape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 90, 120), 1.0));
    p.drawRoundedRect(plate.adjusted(6, 6, -6, -6), 11, 11);

    static const QPainterPath word =
        TextPath(QStringLiteral("Zarvelo?"), QStringLiteral("DejaVu Serif"), QFont::Bold);
    const QPainterPath text = FittedInto(word, plate.adjusted(24, 14, -24, -14));
    const QRectF tb = text.boundingRect();
    SoftShadow(p, text, QPointF(2, 3), 4, 200);
    p.setPen(QPen(QColor(90, 52, 6), 1.0));
    p.setBrush(GoldGradient(tb.top(), tb.bottom()));
    p.drawPath(text);
    // A sheen on the upper part of the letters, like polished metal.
    QPainterPath upper;
    upper.addRect(QRectF(tb.left(), tb.top(), tb.width(), tb.height() * 0.42));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawPath(Combine(text, Op::Intersect, upper));
}

}  // namespace

void PaintSplashLogo(QPainter& painter, const QRectF& target) {
    if (target.isEmpty()) return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kLogoWidth, target.height() / kLogoHeight);
    PaintTable(painter);
    PaintChipStack(painter, QPointF(98, 262), 4, QColor(176, 24, 30));
    PaintChipStack(painter, QPointF(150, 272), 2, QColor(28, 64, 150));
    PaintChipStack(painter, QPointF(296, 266), 3, QColor(24, 24, 30));
    PaintFan(painter);
    PaintSparkle(painter, QPointF(350, 222), 8);
    PaintSparkle(painter, QPointF(226, 252), 5);
    PaintWordMark(painter);
    PaintSparkle(painter, QPointF(360, 282), 11);
    PaintSparkle(painter, QPointF(44, 352), 7);
    painter.restore();
}

QImage RenderSplashLogo(QSize logical, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image((QSizeF(logical) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Stretched over whole pixels, so a fractional ratio leaves no half-covered edge.
    PaintSplashLogo(painter, QRectF(QPointF(0, 0), QSizeF(image.size()) / dpr));
    return image;
}

namespace {
struct Prefetched {
    qreal ratio = 0;
    std::future<QImage> picture;
};
Prefetched& PrefetchedLogo() {
    static Prefetched prefetched;
    return prefetched;
}
QImage ReadSplashLogo(qreal devicePixelRatio);
}  // namespace

void PrefetchSplashLogo(qreal devicePixelRatio) {
    Prefetched& p = PrefetchedLogo();
    if (p.picture.valid()) return;
    p.ratio = devicePixelRatio;
    p.picture = std::async(std::launch::async, ReadSplashLogo, devicePixelRatio);
}

QImage SplashLogoFor(qreal devicePixelRatio) {
    Prefetched& p = PrefetchedLogo();
    if (p.picture.valid() && qFuzzyCompare(p.ratio, devicePixelRatio)) return p.picture.get();
    return ReadSplashLogo(devicePixelRatio);
}

namespace {
QImage ReadSplashLogo(qreal devicePixelRatio) {
    const QSize pixels = (QSizeF(kSplashLogoBox) * devicePixelRatio).toSize();
    for (int ratio : kPreparedLogoRatios) {
        if (!qFuzzyCompare(devicePixelRatio, static_cast<qreal>(ratio))) continue;
        QImage prepared(QStringLiteral(":/zarvelo/splash-logo-%1x.png").arg(ratio));
        if (prepared.size() != pixels) break;
        prepared.setDevicePixelRatio(devicePixelRatio);
        return prepared;
    }
    return RenderSplashLogo(kSplashLogoBox, devicePixelRatio);
}
}  // namespace

}  // namespace zarvelo
