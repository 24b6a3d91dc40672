// Where the program and its wave files lie.
#pragma once

#include <QString>

namespace zarvelo::platform {

QString ProgramDirectory();
void SetProgramDirectory(const QString& directory);  // tests; empty restores the real one

// The program's directory joined with the file name, as a usable local path.
QString ProgramFilePath(const QString& fileName);

}  // namespace zarvelo::platform
