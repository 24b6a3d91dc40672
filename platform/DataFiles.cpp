// Data files: directory choice, case-insensitive names and atomic replacement.
#include "platform/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "platform/Platform.h"

namespace zarvelo::platform {

namespace {
QString g_dataDirectory;
QString g_chosenFor;  // the program directory the choice was made for
QString g_chosen;

// An installed copy has this file beside it. Its folder belongs to the system even where it can
// be written (by root, say), and files left there would outlive the package.
const QString kInstalledMarker = QStringLiteral("installed-copy");

bool CanWriteIn(const QString& directory) {
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".zarvelo-XXXXXX")));
    return probe.open();
}
}  // namespace

QString DataDirectory() {
    if (!g_dataDirectory.isEmpty()) return g_dataDirectory;
    const QString program = ProgramDirectory();
    if (g_chosenFor != program || g_chosen.isEmpty()) {
        g_chosenFor = program;
        if (!QFile::exists(QDir(program).filePath(kInstalledMarker)) && CanWriteIn(program)) {
            g_chosen = program;
        } else {
            g_chosen = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
            QDir().mkpath(g_chosen);
        }
    }
    return g_chosen;
}

void SetDataDirectory(const QString& directory) { g_dataDirectory = directory; }

QString DataFilePath(const QString& fileName) {
    const QDir dir(DataDirectory());
    if (QFile::exists(dir.filePath(fileName))) return dir.filePath(fileName);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return dir.filePath(fileName);
}

bool DataFileExists(const QString& fileName) { return QFile::exists(DataFilePath(fileName)); }

std::optional<QByteArray> ReadDataFile(const QString& fileName) {
    QFile file(DataFilePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error) {
    QDir().mkpath(DataDirectory());
    QSaveFile file(DataFilePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace zarvelo::platform
