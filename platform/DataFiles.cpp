// Data files: directory choice, case-insensitive names and safe access.
#include "platform/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

#include "platform/Platform.h"
#include "platform/SafeFiles.h"

namespace zarvelo::platform {

namespace {

struct Choice {
    QString program, users;  // what it was made for
    QString home;            // where data is read and saved
};
QString g_dataDirectory;
Choice g_choice;

// An installed copy has this file beside it. Its folder belongs to the system even where it can
// be written (by root, say), and files left there would outlive the package.
const QString kInstalledMarker = QStringLiteral("installed-copy");

const Choice& Chosen() {
    const QString program = QDir(ProgramDirectory()).absolutePath();
    const QString users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (g_choice.program == program && g_choice.users == users && !g_choice.home.isEmpty())
        return g_choice;
    g_choice = Choice{program, users, users};
    if (KindOf(QDir(program).filePath(kInstalledMarker)) == FileKind::Missing && CanCreateFilesIn(program))
        g_choice.home = program;
    else
        QDir().mkpath(users);
    return g_choice;
}

// The entry in the folder that stands for the name, whatever kind of file it is.
QString Find(const QString& directory, const QString& fileName) {
    const QDir dir(directory);
    if (KindOf(dir.filePath(fileName)) != FileKind::Missing) return dir.filePath(fileName);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return dir.filePath(fileName);
}

}  // namespace

QString DataDirectory() { return g_dataDirectory.isEmpty() ? Chosen().home : g_dataDirectory; }

void SetDataDirectory(const QString& directory) { g_dataDirectory = directory; }

QString DataFilePath(const QString& fileName) { return Find(DataDirectory(), fileName); }

bool DataFileExists(const QString& fileName) { return KindOf(DataFilePath(fileName)) == FileKind::Regular; }

std::optional<QByteArray> ReadDataFile(const QString& fileName) {
    const QString path = DataFilePath(fileName);
    if (KindOf(path) == FileKind::Missing) return std::nullopt;
    ReadResult read = ReadRegularFile(path, kDataFileLimit);
    if (!read.bytes)
        std::fprintf(stderr, "zarvelo: %s not read: %s\n", qPrintable(path), qPrintable(read.error));
    return read.bytes;
}

bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error) {
    QDir().mkpath(DataDirectory());
    return ReplaceRegularFile(DataFilePath(fileName), bytes, error);
}

}  // namespace zarvelo::platform
