// Reading and replacing small files that must be regular files: no link is followed, nothing
// that is not a regular file is opened for writing or read to the end, and nothing blocks.
// Every step that can fail goes through one seam, so tests can make any of them fail.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace zarvelo::platform {

// The steps a file operation takes, each of which may fail.
enum class FileStep { Open, Read, Create, Write, Sync, Close, Rename, SyncFolder, MakeFolder };

// Called before each step with the path it acts on. For Write, offset is where the write starts
// and *length how many bytes it would write: shortening *length makes a short write. Returns 0
// to let the step run, or an errno value to make it fail with that error.
using FileFaultHook =
    std::function<int(FileStep step, const QString& path, qint64 offset, qint64* length)>;
void SetFileFaultHook(FileFaultHook hook);  // tests; empty takes the faults away

// What lies under a name, without following a link.
enum class FileKind { Missing, Regular, Link, Directory, Other };
FileKind KindOf(const QString& path);

struct ReadResult {
    std::optional<QByteArray> bytes;  // nothing when the file could not be read
    QString error;                    // why, when it could not
    bool truncated = false;           // the file was longer than the limit
};

// At most limit bytes of a regular file.
ReadResult ReadRegularFile(const QString& path, qint64 limit);

// Replaces the regular file at path (or creates it) with bytes, all or nothing: the bytes go to
// a new file beside it, are synced to the disk, and only then take the old file's place. Refuses
// when something other than a regular file lies at path. On failure says why in error.
bool ReplaceRegularFile(const QString& path, const QByteArray& bytes, QString* error);

// Makes the folder and the folders above it; on failure says which could not be made and why.
bool MakeFolder(const QString& path, QString* error);

// Renames the file to its name with the suffix, or with the suffix and "-2", "-3" ... when that
// is taken, never replacing anything. Returns the new path, or nothing with the reason in error.
QString MoveAside(const QString& path, const QString& suffix, QString* error);

// Whether the directory is open to writing: a file can be made there, or could be but for a
// lack of space.
bool CanCreateFilesIn(const QString& directory);

}  // namespace zarvelo::platform
