// Writes the program icon as PNG files for the desktop's icon theme.
// Usage: export_icons OUTPUT_DIR   (writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png)
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "artwork/IconPainter.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_icons OUTPUT_DIR\n");
        return 2;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        QImage image = zarvelo::RenderGameIcon(size, 1.0);
        if (!QDir().mkpath(dir) ||
            !image.save(dir + QStringLiteral("/io.github.zarvelo.Zarvelo.png"))) {
            std::fprintf(stderr, "export_icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
