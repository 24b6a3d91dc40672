// Where the data files live, and reading and replacing them safely.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zarvelo::platform {

// The one folder this copy keeps its data in: the program's folder when it can be written and
// is not an installed copy's, otherwise the user's data folder. A copy whose folder could not be
// written once keeps its data in the user's folder from then on, so that two sets never grow apart.
QString DataDirectory();
void SetDataDirectory(const QString& directory);  // tests; empty chooses again

// The path of a data file in the data folder; names that differ only in letter case are one
// file, and an existing file keeps its spelling.
QString DataFilePath(const QString& fileName);

// Whether a regular file of that name holds data: in the data folder, or, for a copy that moved
// its data, in the program's folder where it lay before.
bool DataFileExists(const QString& fileName);

// The most a data file holds: a few hundred bytes make a valid one.
inline constexpr qint64 kDataFileLimit = 8 * 1024;

// At most kDataFileLimit bytes of the file, or nothing when no regular file can be read there.
std::optional<QByteArray> ReadDataFile(const QString& fileName);

// Replaces the file as a whole or not at all; on failure says why in error.
bool WriteDataFile(const QString& fileName, const QByteArray& bytes, QString* error);

// The longest file name, in bytes, the data folder takes.
long DataFileNameLimit();

}  // namespace zarvelo::platform
