// The program's entry point.
#include <QApplication>
#include <cstdio>

#include "app/Startup.h"
#include "platform/DisplayCheck.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    zarvelo::platform::FontConfigurationWarmUp fonts;
    if (const std::string reason = zarvelo::platform::MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    fonts.finish();
    QApplication::setApplicationName(QStringLiteral("zarvelo"));  // also the window class
    // Docks match the window to its desktop entry by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarvelo.Zarvelo"));
    if (!zarvelo::Main()) return 1;
    zarvelo::platform::ReturnFreedMemory();
    return QApplication::exec();
}
