// Leaks 80 bytes from inside a timer's lambda run by Qt's event loop, then ends: the sanitizer
// build must report it with the project's leak suppressions in force.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {
char* volatile g_lost = nullptr;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        g_lost = new char[80];
        g_lost[0] = 'x';
        g_lost = nullptr;
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
