// Ending the program from outside: termination signals, the end of the desktop session, a quit
// that bypasses the window. Signals reach the event loop through a socket pair: the handler only
// writes the signal's number into it, and everything else runs on the user-interface thread.
#include "app/Shutdown.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>

#include "files/FileObject.h"
#include "platform/MessageBox.h"
#include "state/GameState.h"
#include "windows/MainForm.h"

namespace zarvelo {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int g_sockets[2] = {-1, -1};  // the handler writes into [0], the event loop reads [1]

extern "C" void OnSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    (void)!::write(g_sockets[0], &byte, 1);
    errno = saved;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) ::sigaction(number, &action, nullptr);
}

}  // namespace

void SaveWhenEndedFromOutside() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (g_sockets[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_sockets) != 0) {
            std::perror("zarvelo: signals are not caught");
            return;
        }
        auto* notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, app);
        QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
            char bytes[16];
            while (::read(g_sockets[1], bytes, sizeof bytes) > 0) {
            }
            EndUnattended();
        });
        QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                         [](QSessionManager&) { SaveForSessionEnd(); });
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { SaveUnattended(); });
    }
    SetHandler(OnSignal);
}

void EndUnattended() {
    if (!MainForm::exists()) return;
    platform::SetUnattended(true);
    // Inside the box of a close already under way, that close saves once the box is gone.
    if (!MainForm::instance().close()) QApplication::quit();
}

void SaveUnattended() {
    if (!MainForm::exists() || MainForm::instance().Unloaded()) return;
    platform::SetUnattended(true);
    MainForm::instance().UnloadOnce();
}

void SaveForSessionEnd() {
    if (!MainForm::exists()) return;
    const bool attended = !platform::Unattended();
    platform::SetUnattended(true);
    // What a quit would save; the game goes on as it was if the session does not end after all.
    const PlayerRecordType record = PlayerRecord;
    SaveRecordAndRanking();
    PlayerRecord = record;
    if (attended) platform::SetUnattended(false);
}

void RestoreSignalDefaults() { SetHandler(SIG_DFL); }

}  // namespace zarvelo
