// Card identity and the painting of faces and slot marks onto a table surface.
#include <gtest/gtest.h>

#include <QSet>
#include <QWidget>
#include <climits>
#include <set>

#include "cardlib/CardFacePainter.h"
#include "cardlib/CardLib.h"
#include "cardlib/TableSurface.h"

namespace zarvelo::cardlib {
namespace {

TEST(CardIdentity, FiftyTwoDistinctCardsInRange) {
    std::set<std::pair<int, int>> seen;
    for (int card = 1; card <= 52; ++card) {
        const int suit = GetCardSuit(card), value = GetCardValue(card);
        EXPECT_GE(suit, 1);
        EXPECT_LE(suit, 4);
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 13);
        seen.insert({suit, value});
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(CardIdentity, NoCardMatchesNothing) {
    for (int card : {0, -1, 53, 57, 100, INT_MIN, INT_MAX}) {
        EXPECT_EQ(GetCardSuit(card), 0) << card;
        EXPECT_EQ(GetCardValue(card), 0) << card;
    }
}

// A table widget with its surface registered under a handle, as the main window has.
class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.setFixedSize(427, 310);
        surface = std::make_unique<TableSurface>(&view, QSize(427, 310));
        handle = RegisterSurface(surface.get());
    }
    void TearDown() override { UnregisterSurface(handle); }

    QWidget view;
    std::unique_ptr<TableSurface> surface;
    WindowHandle handle = 0;
};

// Logical rectangle in which the images differ, or a null rectangle.
QRect ChangedArea(const QImage& before, const QImage& after) {
    const qreal ratio = after.devicePixelRatio();
    QRect changed;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed |= QRect(static_cast<int>(x / ratio), static_cast<int>(y / ratio), 1, 1);
            }
        }
    }
    return changed;
}

TEST_F(SurfaceTest, InitializeDeckNeedsAKnownWindow) {
    EXPECT_NE(InitializeDeck(handle), 0);
    EXPECT_EQ(InitializeDeck(handle + 1000), 0);
    InjectInitializeFailure(true);
    EXPECT_EQ(InitializeDeck(handle), 0);
    InjectInitializeFailure(false);
}

TEST_F(SurfaceTest, CardAndSlotMarkStayInsideTheirBox) {
    struct Case {
        const char* what;
        std::function<void()> draw;
        QRect box;
    };
    const Case cases[] = {
        {"current card", [&] { DealCard(handle, 12, 177, 7); }, {177, 7, 71, 96}},
        {"ace of spades in slot 5", [&] { DealCard(handle, 40, 347, 167); }, {347, 167, 71, 96}},
        {"slot mark", [&] { DrawSymbol(handle, kEmptySlotSymbol, 7, 167); }, {7, 167, 71, 96}},
    };
    for (const Case& c : cases) {
        surface->clear();
        const QImage before = surface->image().copy();
        c.draw();
        const QRect changed = ChangedArea(before, surface->image());
        EXPECT_FALSE(changed.isNull()) << c.what;
        EXPECT_TRUE(c.box.contains(changed)) << c.what;
        // A real card, not a sliver: the face covers most of its box.
        EXPECT_GE(changed.width(), 65) << c.what;
        EXPECT_GE(changed.height(), 90) << c.what;
    }
}

TEST_F(SurfaceTest, BadCardsAndSymbolsDrawNothing) {
    surface->clear();
    const QImage before = surface->image().copy();
    for (int card : {0, -5, 53, INT_MAX}) DealCard(handle, card, 177, 7);
    for (int symbol : {0, 1, 2, 4, -1}) DrawSymbol(handle, symbol, 7, 167);
    DealCard(handle + 1000, 1, 177, 7);  // unknown window
    EXPECT_TRUE(ChangedArea(before, surface->image()).isNull());
}

// Pixels whose 2 x 2 block at double resolution is not one colour: zero for an upscaled bitmap.
int DetailedBlocks(const QImage& image) {
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++count;
            }
        }
    }
    return count;
}

QImage RenderCard(int card, qreal ratio) {
    QImage image(QSize(71, 96) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardFace(painter, QPointF(0, 0), GetCardSuit(card), GetCardValue(card));
    return image;
}

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(CardFaces, DoubleScaleIsDrawnNotUpscaled) {
    for (int card : {1, 10, 24, 37, 52}) {
        const QImage single = RenderCard(card, 1);
        const QImage twice = RenderCard(card, 2);
        const QImage upscaled =
            single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_EQ(DetailedBlocks(upscaled), 0);
        EXPECT_GT(DetailedBlocks(twice), 200) << card;
        EXPECT_GT(DistinctColours(twice), DistinctColours(single)) << card;
    }
}

TEST(CardFaces, RedAndBlackSuits) {
    // Counts strongly red pixels: hearts and diamonds have many, clubs and spades none.
    auto redPixels = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++n;
            }
        return n;
    };
    for (int value = 1; value <= 13; ++value) {
        // Court figures may wear colours; the pip cards of black suits have none.
        if (value <= 10) {
            EXPECT_EQ(redPixels(RenderCard(value, 1)), 0) << "club " << value;
            EXPECT_EQ(redPixels(RenderCard(39 + value, 1)), 0) << "spade " << value;
        }
        EXPECT_GT(redPixels(RenderCard(13 + value, 1)), 20) << "diamond " << value;
        EXPECT_GT(redPixels(RenderCard(26 + value, 1)), 20) << "heart " << value;
    }
}

}  // namespace
}  // namespace zarvelo::cardlib
