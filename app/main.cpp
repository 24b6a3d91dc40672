// The program's entry point.
#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarvelo"));
    if (!zarvelo::Main()) return 1;
    return QApplication::exec();
}
