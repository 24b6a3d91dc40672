// The splash logo and the window icon: the pictures the build prepares must be the ones the
// program would draw, and the icon must come in every size a window system asks for.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "artwork/IconPainter.h"
#include "artwork/LogoPainter.h"

namespace zarvelo::testing {
namespace {

QImage Plain(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

// The largest difference of any channel of any pixel; 255 for pictures of different sizes.
int LargestChannelDifference(const QImage& a, const QImage& b) {
    const QImage x = Plain(a), y = Plain(b);
    if (x.size() != y.size()) return 255;
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            for (int shift : {0, 8, 16, 24})
                largest = std::max(largest, std::abs(int((p[col] >> shift) & 0xff) -
                                                     int((q[col] >> shift) & 0xff)));
        }
    }
    return largest;
}

TEST(PicturesTest, PreparedLogosAreTheDrawnOnes) {
    for (int ratio : kPreparedLogoRatios) {
        SCOPED_TRACE(ratio);
        const QImage prepared = SplashLogoFor(ratio);
        EXPECT_EQ(prepared.size(), kSplashLogoBox * ratio);
        EXPECT_EQ(prepared.devicePixelRatio(), ratio);
        // A stale picture (an old drawing, another box) would differ somewhere.
        EXPECT_TRUE(Plain(prepared) == Plain(RenderSplashLogo(kSplashLogoBox, ratio)));
    }
}

TEST(PicturesTest, OtherRatiosGetAFreshDrawing) {
    for (qreal ratio : {1.25, 1.5, 3.0}) {
        SCOPED_TRACE(ratio);
        const QImage logo = SplashLogoFor(ratio);
        EXPECT_EQ(logo.size(), (QSizeF(kSplashLogoBox) * ratio).toSize());
        EXPECT_EQ(logo.devicePixelRatio(), ratio);
        // Opaque throughout: the table fills the whole box, so no corner shows through.
        for (QPoint p : {QPoint(0, 0), QPoint(logo.width() - 1, logo.height() - 1)})
            EXPECT_EQ(qAlpha(logo.pixel(p)), 255);
    }
}

TEST(PicturesTest, TheWindowIconOffersEachSizeAsDrawn) {
    const QIcon icon = MakeGameIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(128, 128)));
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width());
        const QImage shown = icon.pixmap(size).toImage();
        EXPECT_EQ(shown.size(), size);
        // The glyph's outline may come out a shade apart once other text has been drawn.
        EXPECT_LE(LargestChannelDifference(shown, RenderGameIcon(size.width())), 2);
    }
    // A disabled window's icon is drawn differently from its normal one.
    EXPECT_FALSE(Plain(icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage()) ==
                 Plain(icon.pixmap(QSize(32, 32)).toImage()));
}

}  // namespace
}  // namespace zarvelo::testing
