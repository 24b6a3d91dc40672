// The program's entry point.
#include <QApplication>

#include "app/Shutdown.h"
#include "app/Startup.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    zarvelo::platform::FontConfigurationWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    QApplication::setApplicationName(QStringLiteral("zarvelo"));
    if (!zarvelo::Main()) return 1;
    zarvelo::SaveWhenEndedFromOutside();
    zarvelo::platform::ReturnFreedMemory();
    return QApplication::exec();
}
