// Ending the program from outside: termination signals, the end of the desktop session, a quit
// nobody chose in the game, the loss of the display. Signals reach the event loop through a
// socket pair: the handler only writes the signal's number into it, and everything else runs on
// the user-interface thread. Whatever box is open then, the saves run and the process ends.
#include "app/Shutdown.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "files/FileObject.h"
#include "platform/MessageBox.h"
#include "platform/SingleCopy.h"
#include "rules/Game.h"
#include "tables/PlayerData.h"
#include "windows/MainForm.h"

namespace zarvelo {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int g_sockets[2] = {-1, -1};  // the handler writes into [0], the event loop reads [1]
std::function<void(int)> g_processEnd;
QtMessageHandler g_qtHandler = nullptr;
bool g_watching = false;  // off again in tests that are done with it
std::mutex g_endMutex;
std::atomic<std::thread::id> g_endingThread;

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

// The session manager's end and a quit asked of the application while a box is open arrive as a
// quit event that the open box would refuse; a quit after the closing saves passes on.
class QuitWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
        if (!g_watching || !MainForm::exists() || MainForm::instance().Saved()) return false;
        EndUnattended();
        return true;
    }
};

// Qt ends the process on its own when the display connection breaks, after saying so.
void WatchForLostDisplay(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (g_qtHandler) g_qtHandler(type, context, message);
    const bool lost = message.startsWith(QLatin1String("The X11 connection broke")) ||
                      message.startsWith(QLatin1String("The Wayland connection"));
    if (g_watching && lost) EndUnattended(1);
}

// For an exit from deep inside a library, with the main loop still on the stack.
extern "C" void SaveAtExit() {
    if (g_watching && MainForm::exists() && !MainForm::instance().Saved()) EndUnattended(1);
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
        // A quit that bypasses all of the above still leaves the files right.
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] {
            if (!g_watching || !MainForm::exists() || MainForm::instance().Saved()) return;
            platform::SetUnattended(true);
            MainForm::instance().SaveClosing();
        });
        app->installEventFilter(new QuitWatch(app));
        g_qtHandler = qInstallMessageHandler(WatchForLostDisplay);
        std::atexit(SaveAtExit);
    }
    g_watching = true;
    SetHandler(OnSignal);
}

void EndUnattended(int status) {
    if (!MainForm::exists() || g_endingThread.load() == std::this_thread::get_id()) return;
    // The display's loss can be told on two threads at once, and Qt ends the process as soon as
    // a call returns: a second caller waits here until the first has saved and ended it.
    std::lock_guard<std::mutex> ending(g_endMutex);
    g_endingThread = std::this_thread::get_id();
    platform::SetUnattended(true);
    MainForm& form = MainForm::instance();
    if (!form.Saved()) form.SaveClosing();
    if (g_processEnd) {
        g_processEnd(status);
        g_endingThread = std::thread::id();
        return;
    }
    platform::ReleaseDataFolder();
    std::fflush(stdout);
    std::fflush(stderr);
    // Nothing is left to do; tearing the libraries down could only fail.
    std::_Exit(status);
}

void SaveForSessionEnd() {
    if (!MainForm::exists()) return;
    const bool attended = !platform::Unattended();
    platform::SetUnattended(true);
    // What a quit would save; the game goes on as it was if the session does not end after all.
    const GameState& s = State();
    SaveRecordAndRanking(s.PlayerName, RecordWithState(s), s.Ranking);
    if (attended) platform::SetUnattended(false);
}

void SetProcessEnd(std::function<void(int)> end) { g_processEnd = std::move(end); }

void RestoreSignalDefaults() {
    g_watching = false;
    SetHandler(SIG_DFL);
}

}  // namespace zarvelo
