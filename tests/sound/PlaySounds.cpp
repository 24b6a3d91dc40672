// Plays each named wave file through the game's own sound path, one after the other.
// Usage: play_sounds DIRECTORY NAME...
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include "platform/Folders.h"
#include "platform/Sound.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) return 2;
    zarvelo::platform::SetProgramDirectory(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        zarvelo::platform::PlayWave(QString::fromLocal8Bit(argv[i]));
        QEventLoop wait;
        QTimer::singleShot(2500, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return 0;
}
