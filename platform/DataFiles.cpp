// Data files: the choice of their one folder, case-insensitive names and safe access.
#include "platform/DataFiles.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

#include "platform/Folders.h"
#include "platform/SafeFiles.h"

namespace zarvelo::platform {

namespace {

struct Choice {
    QString program, users;  // what it was made for
    QString home;            // where data is read and saved
    QString before;          // where it lay before the move, read when home lacks a file
};
QString g_dataDirectory;
Choice g_choice;

// An installed copy has this file beside it. Its folder belongs to the system even where it can
// be written (by root, say), and files left there would outlive the package.
const QString kInstalledMarker = QStringLiteral("installed-copy");

// In the user's folder: the program folders, one a line, whose data moved there.
const QString kMovedCopies = QStringLiteral("moved-copies");

QStringList MovedCopies(const QString& users) {
    const auto read = ReadRegularFile(QDir(users).filePath(kMovedCopies), 64 * 1024);
    return read.bytes ? QString::fromUtf8(*read.bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                      : QStringList();
}

void RememberMove(const QString& users, const QString& program) {
    QStringList copies = MovedCopies(users);
    copies << program;
    QString error;
    if (!ReplaceRegularFile(QDir(users).filePath(kMovedCopies),
                            (copies.join(QLatin1Char('\n')) + '\n').toUtf8(), &error))
        std::fprintf(stderr, "zarvelo: %s: %s\n", qPrintable(QDir(users).filePath(kMovedCopies)),
                     qPrintable(error));
}

const Choice& Chosen() {
    const QString program = QDir(ProgramDirectory()).absolutePath();
    const QString users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (g_choice.program == program && g_choice.users == users && !g_choice.home.isEmpty())
        return g_choice;
    g_choice = Choice{program, users, users, QString()};
    if (KindOf(QDir(program).filePath(kInstalledMarker)) != FileKind::Missing) {
        QDir().mkpath(users);
        std::fprintf(stderr, "zarvelo: players' data is kept in %s\n", qPrintable(users));
    } else if (MovedCopies(users).contains(program)) {
        g_choice.before = program;
        std::fprintf(stderr, "zarvelo: players' data is kept in %s (moved from %s)\n",
                     qPrintable(users), qPrintable(program));
    } else if (CanCreateFilesIn(program)) {
        g_choice.home = program;
    } else {
        g_choice.before = program;
        QDir().mkpath(users);
        RememberMove(users, program);
        std::fprintf(stderr,
                     "zarvelo: %s cannot be written: its data is read from there and saved in %s "
                     "from now on\n",
                     qPrintable(program), qPrintable(users));
    }
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

// Where a file is read from: the data folder, or where the data lay before when the folder has
// nothing under that name.
QString ReadPath(const QString& fileName) {
    const QString path = DataFilePath(fileName);
    const Choice& choice = Chosen();
    if (KindOf(path) != FileKind::Missing || choice.before.isEmpty() || !g_dataDirectory.isEmpty())
        return path;
    return Find(choice.before, fileName);
}

}  // namespace

QString DataDirectory() { return g_dataDirectory.isEmpty() ? Chosen().home : g_dataDirectory; }

void SetDataDirectory(const QString& directory) { g_dataDirectory = directory; }

QString DataFilePath(const QString& fileName) { return Find(DataDirectory(), fileName); }

bool DataFileExists(const QString& fileName) {
    return KindOf(ReadPath(fileName)) == FileKind::Regular;
}

std::optional<QByteArray> ReadDataFile(const QString& fileName) {
    const QString path = ReadPath(fileName);
    if (KindOf(path) == FileKind::Missing) return std::nullopt;
    ReadResult read = ReadRegularFile(path, kDataFileLimit);
    if (!read.bytes)
        std::fprintf(stderr, "zarvelo: %s not read: %s\n", qPrintable(path),
                     qPrintable(read.error));
    return read.bytes;
}

bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error) {
    QDir().mkpath(DataDirectory());
    return ReplaceRegularFile(DataFilePath(fileName), bytes, error);
}

long DataFileNameLimit() {
    const QString home = DataDirectory();
    const long limit = ::pathconf(QFile::encodeName(home).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

}  // namespace zarvelo::platform
