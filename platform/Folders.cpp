// Where the program and its wave files lie.
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>

namespace zarvelo::platform {

namespace {
QString g_programDirectory;
}  // namespace

QString ProgramDirectory() {
    if (!g_programDirectory.isEmpty()) return g_programDirectory;
    return QCoreApplication::applicationDirPath();
}

void SetProgramDirectory(const QString& directory) { g_programDirectory = directory; }

QString ProgramFilePath(const QString& fileName) {
    // Joined with the separator of the system the game runs on, so the path works everywhere.
    return QDir(ProgramDirectory()).filePath(fileName);
}

}  // namespace zarvelo::platform
