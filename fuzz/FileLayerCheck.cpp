// The file layer under fuzzed names, sizes and kinds of file.
#include "fuzz/FileLayerCheck.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "files/PlayerNames.h"
#include "platform/SafeFiles.h"

namespace zarvelo::fuzz {

namespace {

using namespace platform;

void Require(bool condition) {
    if (!condition) std::abort();
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A name the check accepts must be one the folder can store, and read back whole.
void CheckName(const QString& folder, const QString& name, const QByteArray& content) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    Require(!FileNameProblem(StorableName(name, limit), limit));
    if (FileNameProblem(name, limit)) return;
    const QString path = QDir(folder).filePath(name + QStringLiteral(".dat"));
    QString error;
    Require(ReplaceRegularFile(path, content, &error));
    Require(QFileInfo(path).absolutePath() == QDir(folder).absolutePath());
    const ReadResult read = ReadRegularFile(path, 8192);
    Require(read.bytes && *read.bytes == content.left(8192));
    Require(read.truncated == (content.size() > 8192));
}

// Whatever lies under a data file's name, nothing outside the folder is read or written and
// only a regular file is read or replaced.
void CheckKind(const QString& folder, const QString& outside, int kind, const QByteArray& content) {
    const QString path = QDir(folder).filePath(QStringLiteral("Ranking.dat"));
    const QString victim = QDir(outside).filePath(QStringLiteral("victim"));
    const QString nowhere = QDir(outside).filePath(QStringLiteral("nowhere"));
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
        case 0: break;
        case 1: {
            QFile file(path);
            Require(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            break;
        }
        case 2:
            Require(::symlink(QFile::encodeName(victim).constData(), native.constData()) == 0);
            break;
        case 3:
            Require(::symlink(QFile::encodeName(nowhere).constData(), native.constData()) == 0);
            break;
        case 4: Require(::mkfifo(native.constData(), 0600) == 0); break;
        default: Require(::mkdir(native.constData(), 0700) == 0); break;
    }
    const bool regular = kind <= 1;
    const ReadResult read = ReadRegularFile(path, 8192);  // a pipe opened blocking would hang here
    Require(read.bytes.has_value() == (kind == 1));
    if (read.bytes) Require(*read.bytes == content.left(8192));
    QString error;
    Require(ReplaceRegularFile(path, "1,1,1,\"x\",#2026-12-07#\r\n", &error) == regular);
    Require(ReadWhole(victim) == "precious");
    Require(!QFile::exists(nowhere));
    Require(KindOf(path) == (regular     ? FileKind::Regular
                             : kind <= 3 ? FileKind::Link
                             : kind == 4 ? FileKind::Other
                                         : FileKind::Directory));
}

// In memory where there is a file system for it: syncing to a disk would slow each run down.
QString Template() {
    return QFileInfo(QStringLiteral("/dev/shm")).isDir()
               ? QStringLiteral("/dev/shm/zarvelo-fuzz-XXXXXX")
               : QDir::tempPath() + QStringLiteral("/zarvelo-fuzz-XXXXXX");
}

}  // namespace

void CheckFileLayer(const QByteArray& input) {
    static QTemporaryDir root(Template());
    static QTemporaryDir outside(Template());
    if (input.size() < 3 || !root.isValid() || !outside.isValid()) return;
    {
        QFile victim(QDir(outside.path()).filePath(QStringLiteral("victim")));
        Require(victim.open(QIODevice::WriteOnly) && victim.write("precious") == 8);
    }
    const QString folder = QDir(root.path()).filePath(QStringLiteral("data"));
    QDir(folder).removeRecursively();
    Require(QDir().mkpath(folder));

    const int kind = static_cast<unsigned char>(input[0]) % 6;
    const int nameLength = static_cast<unsigned char>(input[1]);
    const QByteArray nameBytes = input.mid(2, nameLength);
    QByteArray content = input.mid(2 + nameLength);
    // Some inputs stand for a file far larger than any valid one.
    if (!content.isEmpty() && (static_cast<unsigned char>(content[0]) & 0x80))
        content = content.repeated(1 + 20000 / content.size());
    CheckName(folder, QString::fromUtf8(nameBytes), content);
    CheckKind(folder, outside.path(), kind, content);
}

}  // namespace zarvelo::fuzz
