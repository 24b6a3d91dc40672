// Data files: the choice of their one folder, case-insensitive names and safe access.
#include "platform/DataFiles.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <cstdio>
#include <utility>

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
QStringList g_notices;
QSet<QString> g_refused;  // unreadable files that could not be moved aside

// An installed copy has this file beside it. Its folder belongs to the system even where it can
// be written (by root, say), and files left there would outlive the package.
const QString kInstalledMarker = QStringLiteral("installed-copy");

// In the user's folder: the program folders, one a line, whose data moved there.
const QString kMovedCopies = QStringLiteral("moved-copies");
// In a program folder whose data moved: the folder it moved to, so that the choice holds
// whatever the environment says the user's folder is.
const QString kDataFolderRecord = QStringLiteral("data-folder");

// The data files a folder may hold, to tell whether it holds a set of data.
const QStringList kSetFiles = {QStringLiteral("default.dat"), QStringLiteral("Ranking.dat")};

// The lines of a small record file: none when it is missing, nothing when something lies there
// that cannot be read whole, so that it is never rewritten from a part.
std::optional<QStringList> ReadLines(const QString& path) {
    if (KindOf(path) == FileKind::Missing) return QStringList();
    const auto read = ReadRegularFile(path, kDataFileLimit);
    if (!read.bytes || read.truncated) return std::nullopt;
    return QString::fromUtf8(*read.bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList MovedCopies(const QString& users) {
    return ReadLines(QDir(users).filePath(kMovedCopies)).value_or(QStringList());
}

void WriteRecord(const QString& path, const QByteArray& bytes) {
    QString error;
    if (!ReplaceRegularFile(path, bytes, &error))
        std::fprintf(stderr, "zarvelo: %s: %s\n", qPrintable(path), qPrintable(error));
}

void RememberMove(const QString& users, const QString& program) {
    const QString path = QDir(users).filePath(kMovedCopies);
    auto copies = ReadLines(path);
    if (!copies) {
        std::fprintf(stderr, "zarvelo: %s cannot be read whole and is left as it is\n",
                     qPrintable(path));
        return;
    }
    *copies << program;
    WriteRecord(path, (copies->join(QLatin1Char('\n')) + '\n').toUtf8());
}

// The folder a program folder's own record names, when it has one.
QString RecordedFolder(const QString& program) {
    const auto lines = ReadLines(QDir(program).filePath(kDataFolderRecord));
    const QString folder = lines && !lines->isEmpty() ? lines->first().trimmed() : QString();
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
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

bool HoldsData(const QString& folder) {
    for (const QString& name : kSetFiles)
        if (KindOf(Find(folder, name)) == FileKind::Regular) return true;
    return false;
}

// Makes the folder, saying on standard error where the data is only once that is true.
bool Settle(const QString& home, const QString& how) {
    QString error;
    if (!MakeFolder(home, &error)) {
        g_notices << QStringLiteral("The players' data cannot be saved: %1").arg(error);
        std::fprintf(stderr, "zarvelo: players' data cannot be saved: %s\n", qPrintable(error));
        return false;
    }
    std::fprintf(stderr, "zarvelo: players' data is kept in %s%s\n", qPrintable(home),
                 qPrintable(how));
    return true;
}

void Choose(Choice& c) {
    const QString program = c.program;
    if (KindOf(QDir(program).filePath(kInstalledMarker)) != FileKind::Missing) {
        Settle(c.users, QString());
        return;
    }
    // A record beside the program, or a move noted in this or the default user's folder, is a
    // choice made before: it holds whatever the environment says now.
    const QString defaultUsers =
        QDir(QDir::homePath())
            .filePath(QStringLiteral(".local/share/") + QCoreApplication::applicationName());
    QString recorded = RecordedFolder(program);
    if (recorded.isEmpty() && MovedCopies(c.users).contains(program)) recorded = c.users;
    if (recorded.isEmpty() && defaultUsers != c.users &&
        MovedCopies(defaultUsers).contains(program))
        recorded = defaultUsers;
    if (!recorded.isEmpty()) {
        c.home = recorded;
        c.before = program;
        if (Settle(recorded, QStringLiteral(" (moved from %1)").arg(program)) &&
            KindOf(QDir(program).filePath(kDataFolderRecord)) == FileKind::Missing &&
            CanCreateFilesIn(program))
            WriteRecord(QDir(program).filePath(kDataFolderRecord), (recorded + '\n').toUtf8());
        return;
    }
    if (CanCreateFilesIn(program)) {
        c.home = program;
        return;
    }
    // The program's folder cannot be written: the data goes to the user's folder for good, and
    // what has not moved yet is read where it lies.
    const bool twoSets = HoldsData(c.users) && HoldsData(program);
    c.before = program;
    if (Settle(c.users, QStringLiteral(" (moved from %1, which cannot be written)").arg(program)))
        RememberMove(c.users, program);
    // Two sets: the user's folder keeps its own, and the one beside the program is only named.
    if (twoSets)
        g_notices << QStringLiteral(
                         "The program's folder cannot be written, so its players' data is kept "
                         "in the user's data folder, which already holds a set of data. That set "
                         "is used; the data beside the program is left as it is.\n\nUsed: "
                         "%1\nNot used: %2")
                         .arg(c.users, program);
}

const Choice& Chosen() {
    const QString program = QDir(ProgramDirectory()).absolutePath();
    const QString users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (g_choice.program == program && g_choice.users == users && !g_choice.home.isEmpty())
        return g_choice;
    g_choice = Choice{program, users, users, QString()};
    Choose(g_choice);
    return g_choice;
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

void SetDataDirectory(const QString& directory) {
    g_dataDirectory = directory;
    g_refused.clear();
}

QStringList TakeDataFolderNotices() { return std::exchange(g_notices, {}); }

QString DataFilePath(const QString& fileName) { return Find(DataDirectory(), fileName); }

bool DataFileExists(const QString& fileName) {
    return KindOf(ReadPath(fileName)) == FileKind::Regular;
}

DataFileRead ReadDataFile(const QString& fileName) {
    DataFileRead result;
    result.path = ReadPath(fileName);
    // A link, pipe or folder under the name is not a data file: it is left alone, and saves to
    // the name refuse to replace it.
    if (KindOf(result.path) != FileKind::Regular) return result;
    ReadResult read = ReadRegularFile(result.path, kDataFileLimit);
    result.outcome = DataFileRead::Failed;
    if (!read.bytes) {
        result.error = read.error;
    } else if (read.truncated) {
        result.error = QStringLiteral("it is larger than %1 MiB, which no data file of the game is")
                           .arg(kDataFileLimit >> 20);
    } else {
        result.outcome = DataFileRead::Read;
        result.bytes = std::move(*read.bytes);
    }
    return result;
}

std::optional<QString> SetAsideDataFile(const QString& path, QString* error) {
    // Only a file the game would replace needs to go; one where the data lay before stays.
    if (QFileInfo(path).absolutePath() != QDir(DataDirectory()).absolutePath()) return std::nullopt;
    const QString aside = MoveAside(path, QStringLiteral(".unreadable"), error);
    if (aside.isEmpty()) g_refused.insert(path);
    return aside.isEmpty() ? std::nullopt : std::optional<QString>(aside);
}

bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error) {
    const QString path = DataFilePath(fileName);
    if (g_refused.contains(path)) {
        if (error)
            *error = QStringLiteral(
                "the file there could not be read nor moved aside, so it is not replaced");
        return false;
    }
    return MakeFolder(DataDirectory(), error) && ReplaceRegularFile(path, bytes, error);
}

long DataFileNameLimit() {
    const QString home = DataDirectory();
    const long limit = ::pathconf(QFile::encodeName(home).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

}  // namespace zarvelo::platform
