// The table on a screen of pixel ratio 2 is painted at the screen's resolution, not enlarged from
// the picture made for ratio 1. Runs on its own: the offscreen platform here has two screens, of
// ratio 1 and 2, which must be set before the application starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <cmath>

#include "cardlib/CardLib.h"
#include "rules/Dealing.h"
#include "tests/TestState.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo {
namespace {

using cardlib::CardOf;

// The current card and the five slots, in logical pixels.
std::vector<QRect> CardBoxes() {
    std::vector<QRect> boxes = {QRect(177, 7, 71, 96)};
    for (int i = 1; i <= 5; ++i) boxes.emplace_back(7 + 85 * (i - 1), 167, 71, 96);
    return boxes;
}

// Mean difference per colour channel (0 to 255) of two images of one size inside the boxes,
// given in logical pixels of images at `ratio`.
double MeanDifference(const QImage& a, const QImage& b, int ratio) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32),
                 y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    long count = 0;
    for (const QRect& box : CardBoxes()) {
        for (int py = box.top() * ratio; py < (box.bottom() + 1) * ratio; ++py) {
            for (int px = box.left() * ratio; px < (box.right() + 1) * ratio; ++px) {
                const QRgb p = x.pixel(px, py), q = y.pixel(px, py);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
                count += 3;
            }
        }
    }
    return sum / static_cast<double>(count);
}

class PixelRatioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        TheGame().reset();
        S().PlayerName = QStringLiteral("NewPlayer");
    }
    void TearDown() override { MainForm::destroyInstance(); }

    // Moves the main window to a screen; the table repaints itself at the screen's ratio.
    static QImage TableOn(QScreen* screen) {
        MainForm& f = MainForm::instance();
        f.windowHandle()->setScreen(screen);
        f.move(screen->geometry().topLeft() + QPoint(50, 50));
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(f.table()->devicePixelRatioF(), screen->devicePixelRatio());
        return f.table()->surface().image().copy();
    }
    static QScreen* ScreenOfRatio(qreal ratio) {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->devicePixelRatio() == ratio) return screen;
        ADD_FAILURE() << "no screen of ratio " << ratio;
        return QGuiApplication::primaryScreen();
    }
};

TEST_F(PixelRatioTest, FacesAreDrawnAtTheScreensResolution) {
    // A game under way with a card in every place.
    MainForm& f = MainForm::instance();
    f.show();
    S().TableCards = {CardOf(3, 12), CardOf(1, 1),  CardOf(2, 10),
                      CardOf(3, 13), CardOf(4, 11), CardOf(4, 7)};
    S().FirstSelection = false;
    S().GameInProgress = true;
    QScreen* const one = ScreenOfRatio(1);
    TableOn(one);
    RefreshTable(TheGame(), WindowSink());
    const QImage single = f.table()->surface().image().copy();
    const QImage twice = TableOn(ScreenOfRatio(2));
    ASSERT_EQ(single.devicePixelRatio(), 1.0);
    ASSERT_EQ(twice.devicePixelRatio(), 2.0);
    ASSERT_EQ(twice.size(), single.size() * 2);

    // The same picture: halved, it is close to the one at ratio 1.
    const QImage halved =
        twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(halved, single, 1), 4.0);
    // But finer: neither way of enlarging the picture at ratio 1 gives it.
    for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage enlarged = single.scaled(twice.size(), Qt::IgnoreAspectRatio, mode);
        EXPECT_GT(MeanDifference(enlarged, twice, 2), 1.0) << mode;
    }

    // Back on the first screen the table looks as it did.
    EXPECT_EQ(TableOn(one), single);
}

}  // namespace
}  // namespace zarvelo

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(R"({"screens": [
        {"name": "single", "x": 0, "y": 0, "width": 1200, "height": 900, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "double", "x": 1200, "y": 0, "width": 1200, "height": 900, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
