// Where the data files live, and reading and replacing them safely.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvelo::platform {

// The one folder this copy keeps its data in: the program's folder when it can be written and
// is not an installed copy's, otherwise the user's data folder. A copy whose folder could not be
// written once keeps its data in the user's folder from then on, and records that choice in both
// folders, so that two sets never grow apart.
QString DataDirectory();
void SetDataDirectory(const QString& directory);  // tests; empty chooses again

// What choosing the folder found that the player should know: another set of data that is not
// used, or a folder that cannot be made, since the folder was chosen. Each is given once.
QStringList TakeDataFolderNotices();

// The path of a data file in the data folder; names that differ only in letter case are one
// file, and an existing file keeps its spelling.
QString DataFilePath(const QString& fileName);

// Whether a regular file of that name holds data: in the data folder, or, for a copy that moved
// its data, in the program's folder where it lay before.
bool DataFileExists(const QString& fileName);

// Far more than any data file of the game holds; a larger file is not one of ours.
inline constexpr qint64 kDataFileLimit = 1024 * 1024;

struct DataFileRead {
    enum Outcome { Missing, Read, Failed } outcome = Missing;
    QByteArray bytes;
    QString path;   // where it was looked for
    QString error;  // why it could not be read
};
// The whole file, or why it could not be read.
DataFileRead ReadDataFile(const QString& fileName);

// Moves a data file that could not be read out of the way, under its name with ".unreadable"
// (and a number when that is taken), so that no save replaces it. Returns the new path; on
// failure says why, and saves to that name are refused from then on. A file outside the data
// folder is never replaced anyway and stays where it is (nothing is returned, no error).
std::optional<QString> SetAsideDataFile(const QString& path, QString* error);

// Replaces the file as a whole or not at all; on failure says why in error.
bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error);

// The longest file name, in bytes, the data folder takes.
long DataFileNameLimit();

}  // namespace zarvelo::platform
