// Paints the program icon; small sizes get plainer shapes and heavier lines so they stay legible.
#include "artwork/IconPainter.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>

#include "cardlib/CardColours.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo {
namespace {

const QColor kGreen(0, 128, 0);

// The question mark as a glyph outline fitted to box by its height, centred.
QPainterPath QuestionMark(const QRectF& box) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QStringLiteral("?"));
    const QRectF ink = glyph.boundingRect();
    const qreal k = box.height() / ink.height();
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(k, k);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(glyph);
}

void PaintIcon(QPainter& p, qreal s) {
    const bool small = s < 40;
    const QRectF square(0, 0, s, s);
    const qreal radius = small ? s / 16 : s * 0.14;
    p.setPen(Qt::NoPen);
    if (small) {
        p.setBrush(kGreen);
    } else {
        QLinearGradient shade(0, 0, 0, s);
        shade.setColorAt(0, QColor(16, 150, 16));
        shade.setColorAt(1, QColor(0, 106, 0));
        p.setBrush(shade);
    }
    p.drawRoundedRect(square, radius, radius);
    if (!small) {
        p.setPen(QPen(QColor(0, 70, 0), s / 96));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(square.adjusted(s / 192, s / 192, -s / 192, -s / 192), radius, radius);
    }

    // The suits sit in the corners with a light rim so the black ones show on the green.
    const qreal pip = s * 0.27, margin = s * 0.04;
    const qreal rim = std::max(0.7, s / 56);
    const struct {
        int suit;
        qreal x, y;
    } corners[] = {{3, margin, margin},
                   {1, s - margin - pip, margin},
                   {2, margin, s - margin - pip},
                   {4, s - margin - pip, s - margin - pip}};
    for (const auto& c : corners) {
        const QColor fill = cardlib::SuitInk(c.suit);
        const QColor edge =
            cardlib::IsRedSuit(c.suit) ? QColor(255, 230, 230) : QColor(225, 240, 225);
        // Red reads well on green by hue alone; a rim on it would only blur the small sizes.
        const bool rimmed = !cardlib::IsRedSuit(c.suit) || !small;
        cardlib::PaintSuit(
            p, QRectF(c.x, c.y, pip, pip), c.suit, fill,
            rimmed ? QPen(edge, rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    }

    const QPainterPath mark = QuestionMark(QRectF(s * 0.3, s * 0.19, s * 0.4, s * 0.62));
    if (!small) {
        // A soft drop shadow lifts the mark off the felt.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 40, 0, 110));
        p.drawPath(mark.translated(s * 0.012, s * 0.02));
    }
    p.setPen(
        QPen(QColor(0, 60, 0), small ? 0.6 : s / 80, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(mark);
}

}  // namespace

QImage RenderGameIcon(int logicalSize, qreal devicePixelRatio) {
    const int side = std::max(1, static_cast<int>(std::ceil(logicalSize * devicePixelRatio)));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (logicalSize <= 0) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintIcon(painter, logicalSize);
    painter.end();
    return image;
}

namespace {
// Renders each size the first time something asks for it: the window system asks only once a
// window is shown, so building a window costs nothing here, and every window shares the images.
class GameIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override { return new GameIconEngine; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kIconSizes) sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return {};
        QPixmap picture = QPixmap::fromImage(Rendered(side));
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap((QSizeF(rect.size()) * dpr).toSize(), mode, state);
        picture.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, picture);
    }

private:
    // Window managers take their icons from these; larger ones come from the installed theme.
    static constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

    static const QImage& Rendered(int side) {
        static std::map<int, QImage> images;
        auto found = images.find(side);
        if (found == images.end()) found = images.emplace(side, RenderGameIcon(side)).first;
        return found->second;
    }
};
}  // namespace

QIcon MakeGameIcon() { return QIcon(new GameIconEngine); }

}  // namespace zarvelo
