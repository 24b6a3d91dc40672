// Qt implementations of the platform layer.
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#ifdef ZARVELO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zarvelo::platform {

namespace {
MessageBoxHandler g_messageBoxHandler;
SoundHook g_soundHook;
QString g_programDirectory;
QDate g_today;
WaitHook g_waitHook;
bool g_unattended = false;
}  // namespace

void SetUnattended(bool unattended) { g_unattended = unattended; }
bool Unattended() { return g_unattended; }

QString ElideLongLines(const QString& text) {
    constexpr qsizetype kMost = 160;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.size() <= kMost) continue;
        line = line.left(kMost / 2) + QChar(0x2026) + line.right(kMost / 2 - 1);
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowMessageBox(const QString& text, const QString& title, MessageIcon icon) {
    const QString shown = ElideLongLines(text);
    if (g_unattended) {
        std::fprintf(stderr, "zarvelo: %s\n", qPrintable(QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        return;
    }
    if (g_messageBoxHandler) {
        g_messageBoxHandler(MessageBoxCall{shown, title, icon});
        return;
    }
    QMessageBox box;
    box.setText(shown);
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Zarvelo?") : title);
    switch (icon) {
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void SetMessageBoxHandler(MessageBoxHandler handler) { g_messageBoxHandler = std::move(handler); }

namespace {
// Sounds play on a thread of their own. Starting the audio output means talking to the sound
// server, which would hold up whatever the user-interface thread does next, and the stream is
// fed from an event loop, which must keep running while that thread blocks. The audio code is a
// module beside the program, loaded there on the first sound: linked in, its libraries would be
// loaded before anything else at every start.
using PlayFunction = void (*)(const QString&);

struct SoundThread {
    QThread thread;
    QObject context;              // lives on `thread`
    PlayFunction play = nullptr;  // used on `thread` only
    bool loaded = false;
};
SoundThread* g_sound = nullptr;
bool g_soundsHeld = false;

PlayFunction LoadSoundModule() {
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zarvelo_sound")));
    auto play = reinterpret_cast<PlayFunction>(module.resolve("zarvelo_play_wave"));
    if (!play) std::fprintf(stderr, "zarvelo: no sound: %s\n", qPrintable(module.errorString()));
    return play;  // the module stays loaded for the life of the process
}

// The player inside the module is left alone: the audio output's own clean-up at exit does not
// survive a sink destroyed this late, and the process is ending anyway.
void StopSoundThread() {
    if (!g_sound) return;
    g_sound->thread.quit();
    g_sound->thread.wait();
    delete g_sound;
    g_sound = nullptr;
}
}  // namespace

void PlayWave(const QString& fileName) {
    if (g_soundHook) {
        g_soundHook(fileName);
        return;
    }
    const QString path = ProgramFilePath(fileName);
    if (!QFileInfo(path).isFile() || !QCoreApplication::instance()) return;
    if (!g_sound) {
        g_sound = new SoundThread;
        g_sound->thread.setObjectName(QStringLiteral("sound"));
        g_sound->context.moveToThread(&g_sound->thread);
        if (!g_soundsHeld) g_sound->thread.start();
        qAddPostRoutine(StopSoundThread);
    }
    QMetaObject::invokeMethod(&g_sound->context, [path] {
        if (!g_sound->loaded) {
            g_sound->play = LoadSoundModule();
            g_sound->loaded = true;
        }
        if (g_sound->play) g_sound->play(path);
    }, Qt::QueuedConnection);
}

void HoldSounds(bool held) {
    g_soundsHeld = held;
    // What was asked for meanwhile plays now, in order: it waits in the thread's queue.
    if (!held && g_sound && !g_sound->thread.isRunning()) g_sound->thread.start();
}

void SetSoundHook(SoundHook hook) { g_soundHook = std::move(hook); }

QString ProgramDirectory() {
    if (!g_programDirectory.isEmpty()) return g_programDirectory;
    return QCoreApplication::applicationDirPath();
}

void SetProgramDirectory(const QString& directory) { g_programDirectory = directory; }

QString ProgramFilePath(const QString& fileName) {
    // The directory and the name are joined by a backslash on the original platform; here the
    // native separator does that job.
    return QDir(ProgramDirectory()).filePath(fileName);
}

QDate Today() { return g_today.isValid() ? g_today : QDate::currentDate(); }

void SetToday(const QDate& date) { g_today = date; }

QString ShortDateText(const QDate& date) {
    // Year first with four digits, as Japanese short dates are written: never ambiguous.
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

void StartupWait(int milliseconds) {
    if (g_waitHook) {
        g_waitHook(milliseconds);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void SetStartupWaitHook(WaitHook hook) { g_waitHook = std::move(hook); }

void TraceMoment(const char* what) {
    static const bool enabled = qEnvironmentVariableIsSet("ZARVELO_TRACE");
    if (!enabled) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "zarvelo-trace %s %lld\n", what,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

FontConfigurationWarmUp::FontConfigurationWarmUp() {
#ifdef ZARVELO_HAVE_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() { finish(); }

void FontConfigurationWarmUp::finish() {
    if (thread_.joinable()) thread_.join();
}

void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QFont UiFont(const QString& family, double points, bool bold, bool italic) {
    QStringList families;
    if (family == QLatin1String("Arial")) {
        families = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    } else if (family == QLatin1String("MS PGothic")) {
        families = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    } else if (family == QLatin1String("Small Fonts")) {
        families = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    } else {  // "System" and the window default
        families = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    }
    // Japanese text falls back to the Gothic face.
    families << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic");
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace zarvelo::platform
