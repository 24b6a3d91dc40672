// Draws the splash logo at its box size for the common pixel ratios, so start-up only has to
// decode a picture. Usage: make_logo OUTPUT_DIR   (writes OUTPUT_DIR/splash-logo-RATIOx.png)
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "artwork/LogoPainter.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_logo OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "make_logo: cannot make %s\n", argv[1]);
        return 1;
    }
    for (int ratio : zarvelo::kPreparedLogoRatios) {
        const QImage image = zarvelo::RenderSplashLogo(zarvelo::kSplashLogoBox, ratio);
        const QString path = dir + QStringLiteral("/splash-logo-%1x.png").arg(ratio);
        if (!image.save(path)) {
            std::fprintf(stderr, "make_logo: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
