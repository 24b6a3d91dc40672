// The card faces as pictures: checksums pinned at ratio 1, 1.5 and 2 so that an accidental change
// shows, twelve court figures drawn apart from one another and clear of their frames, faces on
// whole device pixels at the fractional ratios, and the chart's suit symbols pixel for pixel at
// ratio 1.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "cardlib/CardColours.h"
#include "cardlib/CardLib.h"
#include "cardlib/CourtDesigns.h"
#include "cardlib/CourtPainter.h"
#include "cardlib/SuitSymbols.h"
#include "cardlib/TableSurface.h"

namespace zarvelo::cardlib {
namespace {

// A card (or the slot mark for 0) as the library lays it on a table at the given ratio.
QImage LaidFace(int card, qreal ratio) {
    QWidget view;
    TableSurface surface(&view, QSize(kCardWidth, kCardHeight), ratio);
    const WindowHandle handle = RegisterSurface(&surface);
    if (card > 0) {
        DealCard(handle, card, 0, 0);
    } else {
        DrawSymbol(handle, kEmptySlotSymbol, 0, 0);
    }
    UnregisterSurface(handle);
    return surface.image().convertToFormat(QImage::Format_ARGB32);
}

QString Checksum(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<qsizetype>(image.sizeInBytes())));
    return QString::fromLatin1(hash.result().toHex().left(12));
}

// Checksums of the slot mark (index 0) and the 52 faces at ratio 1, drawn with the fonts of
// Debian 12 (Liberation Serif for the ranks). A change to a face changes its line here: look at
// the contact sheet, and if the change is meant, copy the new line from the failure message.
const char* const kPinnedAtOne[53] = {
    "60287ebc047b", "263045d97cda", "079034700cb4", "79a197972773", "0abbafab571d", "1b92b1c61a4f",
    "52c33c0503eb", "ea69954328c0", "88aea00cad56", "4edd8a052c19", "166259d8e0ed", "d268e4420756",
    "efecf60cf5f9", "e719a36cf3da", "43b682e49343", "00a25ed77249", "ea935072799d", "c021226a7b3e",
    "3eef25de1b22", "4f565e76f7bd", "9ffca141d181", "dc71d9ba3692", "96275728b56b", "714c03232493",
    "d6a6b994f835", "f46c417a2e37", "371962f17aaa", "9274f6655e83", "19f1347f1a81", "81089e69870b",
    "2ea444ae3d96", "f0a7daf9729f", "7f0f866e6181", "fe1e927e8035", "d82e4048754c", "f617ab0298db",
    "868dcfd00baf", "aac020320b01", "1dd111f2cc34", "58a399600371", "e009cc289870", "f22388054721",
    "2ec400048927", "92716f9d1d4a", "e62638402385", "894bd46c91fe", "fe855f904a11", "761a05e05b6b",
    "7deceda4b152", "8f5d53d62811", "8493b4554e00", "9effd790459e", "5596c310602f",
};
// One checksum over every face at each of the other ratios.
const char* const kPinnedAtOneAndAHalf = "00bfb9fbbddb";
const char* const kPinnedAtTwo = "76798c6f53e5";

QString AllFacesChecksum(qreal ratio) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int card = 0; card <= 52; ++card) hash.addData(Checksum(LaidFace(card, ratio)).toLatin1());
    return QString::fromLatin1(hash.result().toHex().left(12));
}

TEST(PinnedFaces, EveryFaceAtRatioOneIsAsPinned) {
    QString table, changed;
    for (int card = 0; card <= 52; ++card) {
        const QString sum = Checksum(LaidFace(card, 1.0));
        table += QStringLiteral("\"%1\", ").arg(sum);
        if (sum != QLatin1String(kPinnedAtOne[card])) changed += QStringLiteral(" %1").arg(card);
    }
    EXPECT_TRUE(changed.isEmpty())
        << "changed cards (suit - 1) * 13 + value, 0 the slot mark:" << changed.toStdString()
        << "\nnow: " << table.toStdString();
}

TEST(PinnedFaces, AllFacesAtOneAndAHalfAndTwoAreAsPinned) {
    EXPECT_EQ(AllFacesChecksum(1.5).toStdString(), kPinnedAtOneAndAHalf);
    EXPECT_EQ(AllFacesChecksum(2.0).toStdString(), kPinnedAtTwo);
}

// ---- Court figures

const QRectF kPanel(13.5, 9.5, 44.0, 77.0);

QImage Court(int suit, int value, const CourtDesign& design, const QColor& ink) {
    constexpr qreal kRatio = 2.0;
    QImage image(QSize(kCardWidth, kCardHeight) * kRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCourt(painter, suit, value, ink, design);
    return image;
}

// The figure's line art: pixels of the panel where the lightness jumps, leaving out the suit
// symbols (in the frame corner and on the chest) of both halves, which are meant to differ.
std::vector<bool> LineArt(const QImage& image) {
    const qreal r = image.devicePixelRatio();
    const QRectF masks[] = {{14.5, 10.5, 9.0, 9.0}, {33.5, 38.0, 5.0, 5.0}};
    auto masked = [&](qreal x, qreal y) {
        for (const QRectF& m : masks) {
            if (m.contains(x, y) || m.contains(kCardWidth - x, kCardHeight - y)) return true;
        }
        return !kPanel.adjusted(2, 2, -2, -2).contains(x, y);
    };
    auto lightness = [&](int x, int y) { return qGray(image.pixel(x, y)); };
    std::vector<bool> edges;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            if (masked(x / r, y / r)) {
                edges.push_back(false);
                continue;
            }
            const int l = lightness(x, y);
            const int jump =
                std::max(std::abs(l - lightness(x + 1, y)), std::abs(l - lightness(x, y + 1)));
            edges.push_back(jump > 48);
        }
    }
    return edges;
}

// Share of the two drawings' lines that only one of them has.
double Apart(const std::vector<bool>& a, const std::vector<bool>& b) {
    int either = 0, one = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        either += a[i] || b[i];
        one += a[i] != b[i];
    }
    return either ? double(one) / either : 0.0;
}

TEST(CourtCards, TheTwelveDesignsHoldAndWearDifferentThings) {
    std::vector<CourtDesign> designs;
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 11; value <= 13; ++value) designs.push_back(DesignOf(suit, value));
    for (std::size_t i = 0; i < designs.size(); ++i) {
        for (std::size_t j = i + 1; j < designs.size(); ++j) {
            EXPECT_NE(designs[i].held, designs[j].held) << i << " " << j;
            EXPECT_NE(designs[i].headwear, designs[j].headwear) << i << " " << j;
        }
    }
}

TEST(CourtCards, EachFigureIsDrawnApartFromEveryOther) {
    std::vector<std::vector<bool>> art;
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 11; value <= 13; ++value)
            art.push_back(LineArt(Court(suit, value, DesignOf(suit, value), SuitInk(suit))));
    double closest = 1.0;
    for (std::size_t i = 0; i < art.size(); ++i)
        for (std::size_t j = i + 1; j < art.size(); ++j)
            closest = std::min(closest, Apart(art[i], art[j]));

    // What only colours and suit symbols make: the king of hearts drawn as a spade in other
    // colours.
    CourtDesign recoloured = DesignOf(3, 13);
    recoloured.robe = QColor(100, 56, 140);
    recoloured.lining = QColor(36, 116, 68);
    recoloured.hairColour = QColor(176, 176, 182);
    const double recolour = Apart(LineArt(Court(3, 13, DesignOf(3, 13), kSuitRed)),
                                  LineArt(Court(4, 13, recoloured, kSuitBlack)));
    EXPECT_GT(closest, 2 * recolour);
    EXPECT_GT(closest, 0.3);
}

// Device pixels at the ratio where a painting onto a clear card leaves anything.
QImage PaintedAt(qreal ratio, const std::function<void(QPainter&)>& paint) {
    QImage image((QSizeF(kCardWidth, kCardHeight) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ratio, ratio);
    paint(painter);
    return image;
}

// Every figure pixel lies inside the panel with no frame pixel on it or beside it: no crown, plume,
// item or robe touches the frame's rules or the corner symbols, whatever the ratio.
TEST(CourtCards, FiguresKeepClearOfTheFrameAtEveryRatio) {
    for (qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        const QRect panel = QRectF(kPanel.topLeft() * ratio, kPanel.size() * ratio).toRect();
        for (int suit = 1; suit <= 4; ++suit) {
            const QColor ink = SuitInk(suit);
            const QImage frame =
                PaintedAt(ratio, [&](QPainter& p) { PaintCourtFrame(p, suit, ink); });
            auto framed = [&](int x, int y) {
                return frame.rect().contains(x, y) && qAlpha(frame.pixel(x, y)) > 0;
            };
            for (int value = 11; value <= 13; ++value) {
                const QImage figure = PaintedAt(ratio, [&](QPainter& p) {
                    PaintCourtFigure(p, suit, value, ink, DesignOf(suit, value));
                });
                int stray = 0;
                for (int y = 0; y < figure.height(); ++y) {
                    for (int x = 0; x < figure.width(); ++x) {
                        if (qAlpha(figure.pixel(x, y)) == 0) continue;
                        bool touches = !panel.contains(x, y);
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx) touches |= framed(x + dx, y + dy);
                        stray += touches;
                    }
                }
                EXPECT_EQ(stray, 0)
                    << "suit " << suit << ", value " << value << ", ratio " << ratio;
            }
        }
    }
}

// ---- Whole device pixels

TEST(CardFaces, FacesSitOnWholeDevicePixelsAtEveryRatio) {
    for (qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(ratio);
        // The table below a menu bar 19 pixels high, as in the main window.
        QWidget window;
        window.resize(427, 329);
        QWidget view(&window);
        view.setGeometry(0, 19, 427, 310);
        TableSurface surface(&view, QSize(427, 310), ratio);
        const WindowHandle handle = RegisterSurface(&surface);
        const QPoint places[] = {{177, 7}, {7, 167}, {92, 167}, {262, 167}, {347, 167}};
        for (const QPoint& at : places) DealCard(handle, 1 + at.x() % 52, at.x(), at.y());
        UnregisterSurface(handle);

        const QImage& image = surface.image();
        const QPointF phase = surface.phase();
        EXPECT_LT(std::abs(phase.y() - (19 * ratio - std::floor(19 * ratio + 0.5))), 1e-9);
        const int line = std::max(1, static_cast<int>(std::floor(ratio + 0.49)));
        auto device = [&](qreal logical, qreal shift) {
            return static_cast<int>(std::floor(logical * ratio + shift + 0.5));
        };
        const QRgb table = qRgb(0, 0, 0), outline = kCardOutline.rgb(), paper = kCardPaper.rgb();
        for (const QPoint& at : places) {
            SCOPED_TRACE(at.x());
            const int left = device(at.x(), phase.x()), right = device(at.x() + 71, phase.x());
            const int top = device(at.y(), phase.y()), bottom = device(at.y() + 96, phase.y());
            const int midY = (top + bottom) / 2, midX = (left + right) / 2;
            // Table, then exactly `line` pixels of outline, then paper: no blended edge anywhere.
            EXPECT_EQ(image.pixel(left - 1, midY), table);
            EXPECT_EQ(image.pixel(right, midY), table);
            EXPECT_EQ(image.pixel(midX, top - 1), table);
            EXPECT_EQ(image.pixel(midX, bottom), table);
            for (int k = 0; k < line; ++k) {
                EXPECT_EQ(image.pixel(left + k, midY), outline);
                EXPECT_EQ(image.pixel(right - 1 - k, midY), outline);
                EXPECT_EQ(image.pixel(midX, top + k), outline);
                EXPECT_EQ(image.pixel(midX, bottom - 1 - k), outline);
            }
            EXPECT_EQ(image.pixel(left + line, midY), paper);
            EXPECT_EQ(image.pixel(right - 1 - line, midY), paper);
            EXPECT_EQ(image.pixel(midX, top + line), paper);
            EXPECT_EQ(image.pixel(midX, bottom - 1 - line), paper);
        }
    }
}

// ---- Suit symbols

QImage Symbol(int suit, bool outline, QSize size, qreal ratio, const QColor& colour) {
    QImage image(size * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintSuitSymbol(painter, QRectF(QPointF(0, 0), size), suit, outline, colour);
    return image;
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours;
}

int CountOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

TEST(SuitSymbols, TheChartSymbolsAreWholePixelsAtRatioOne) {
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), red = qRgb(255, 0, 0);
    struct Case {
        int suit;
        bool outline;
        QSize size;
        QRgb colour;
    };
    const Case cases[] = {{1, true, {11, 11}, white},
                          {2, false, {7, 9}, red},
                          {3, false, {9, 9}, red},
                          {4, true, {11, 11}, white}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.suit);
        EXPECT_TRUE(HasSuitPixels(c.suit, c.outline, c.size));
        const QImage image = Symbol(c.suit, c.outline, c.size, 1.0, QColor::fromRgb(c.colour));
        EXPECT_EQ(Colours(image), (QSet<QRgb>{black, c.colour}));
        // Solid symbols fill most of their box; outlines leave their middle black.
        const int ink = CountOf(image, c.colour), area = c.size.width() * c.size.height();
        if (c.outline) {
            EXPECT_GT(ink, area / 5);
            EXPECT_EQ(image.pixel(5, 5), black);
        } else {
            EXPECT_GT(ink, area / 3);
        }
    }
    // The club and the spade share a size and a style; their pixels must still be far apart.
    const QImage club = Symbol(1, true, {11, 11}, 1.0, Qt::white);
    const QImage spade = Symbol(4, true, {11, 11}, 1.0, Qt::white);
    int differ = 0;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) differ += club.pixel(x, y) != spade.pixel(x, y);
    EXPECT_GE(differ, 25);
}

TEST(SuitSymbols, OtherRatiosDrawTheShapeAnew) {
    for (qreal ratio : {1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage club = Symbol(1, true, {11, 11}, ratio, Qt::white);
        EXPECT_EQ(club.size(), (QSizeF(11, 11) * ratio).toSize());
        // Antialiased curves: greys between the line and the ground.
        EXPECT_GT(Colours(club).size(), 4);
        EXPECT_GT(CountOf(club, qRgb(255, 255, 255)), 0);
    }
}

}  // namespace
}  // namespace zarvelo::cardlib
