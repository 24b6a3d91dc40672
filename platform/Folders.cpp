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
    // The directory and the name are joined by a backslash on the original platform; here the
    // native separator does that job.
    return QDir(ProgramDirectory()).filePath(fileName);
}

}  // namespace zarvelo::platform
