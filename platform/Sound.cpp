// Playing the game's wave files without waiting for them.
#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>
#include <cstdio>

#include "platform/Folders.h"

namespace zarvelo::platform {

namespace {
SoundHook g_soundHook;

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
    QLibrary module(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zarvelo_sound")));
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
    QMetaObject::invokeMethod(
        &g_sound->context,
        [path] {
            if (!g_sound->loaded) {
                g_sound->play = LoadSoundModule();
                g_sound->loaded = true;
            }
            if (g_sound->play) g_sound->play(path);
        },
        Qt::QueuedConnection);
}

void PlayWave(Sound sound) {
    const std::string_view file = WaveFileOf(sound);
    PlayWave(QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())));
}

void HoldSounds(bool held) {
    g_soundsHeld = held;
    // What was asked for meanwhile plays now, in order: it waits in the thread's queue.
    if (!held && g_sound && !g_sound->thread.isRunning()) g_sound->thread.start();
}

void SetSoundHook(SoundHook hook) { g_soundHook = std::move(hook); }

}  // namespace zarvelo::platform
