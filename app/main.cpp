// The program's entry point.
#include <unistd.h>

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "app/Shutdown.h"
#include "app/Startup.h"
#include "platform/DisplayCheck.h"
#include "platform/StartupTuning.h"

namespace {
// Qt ends a program that reaches no display with an abort and a hint to reinstall it. Its
// messages are held while the application object connects; if that fails, one plain line says
// what is missing instead. Asking only then keeps the check off the way of every normal start.
QStringList g_heldMessages;
QtMessageHandler g_qtHandler = nullptr;

void HoldWhileConnecting(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type != QtFatalMsg) {
        g_heldMessages << qFormatLogMessage(type, context, message);
        return;
    }
    const std::string reason = zarvelo::platform::MissingDisplayReason();
    if (reason.empty()) {
        for (const QString& held : g_heldMessages) std::fprintf(stderr, "%s\n", qPrintable(held));
        std::fprintf(stderr, "%s\n", qPrintable(message));
    } else {
        std::fprintf(stderr, "%s\n", reason.c_str());
    }
    std::fflush(stderr);
    _exit(1);
}
}  // namespace

int main(int argc, char** argv) {
    zarvelo::platform::FontConfigurationWarmUp fonts;
    g_qtHandler = qInstallMessageHandler(HoldWhileConnecting);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    for (const QString& held : g_heldMessages) std::fprintf(stderr, "%s\n", qPrintable(held));
    g_heldMessages.clear();
    fonts.finish();
    QApplication::setApplicationName(QStringLiteral("zarvelo"));  // also the window class
    // Docks match the window to its desktop entry by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarvelo.Zarvelo"));
    if (!zarvelo::TakeDataFolder()) return 0;
    if (!zarvelo::Main()) return 1;
    zarvelo::SaveWhenEndedFromOutside();
    zarvelo::platform::ReturnFreedMemory();
    const int status = QApplication::exec();
    // Everything is saved by now. Tearing the libraries down at exit races with the audio
    // output's own threads and can crash a program that has already finished its work.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
