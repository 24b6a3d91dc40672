// The yardstick for start-up: a bare Qt Widgets window with one label, put on screen by the same
// rule as the game's splash, printing the moment it is there as the game's trace does.
#include <QApplication>
#include <QLabel>
#include <chrono>
#include <cstdio>

#include "platform/WindowOnScreen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Zarvelo?"));
    label.resize(462, 303);
    zarvelo::platform::ShowOnScreen(label, 2000);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "zarvelo-trace splash %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    return 0;
}
