// The data-file format: records of quoted texts, decimal numbers and #dates#, in code page 932
// with CR LF line ends. Pure functions on bytes, so they can be tested and fuzzed without files.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "state/GameState.h"

namespace zarvelo::codec {

// One record line, CR LF included; a character the code page lacks is written as "?".
QByteArray EncodePlayerLine(const PlayerRecordType& record);
QByteArray EncodeRankingLine(const RankingEntry& entry);

// A field as read: its text, and whether it stood in quotes or between hash signs.
struct Field {
    QString text;
    enum Kind { Plain, Quoted, Dated, Broken } kind = Plain;
};

// Splits one line into fields at commas outside quotes.
std::vector<Field> SplitFields(const QString& line);

// The lines of a file as text: up to an end-of-file mark (0x1A), without blank lines.
QStringList TextLines(const QByteArray& bytes);

// The last complete record of a player file (a line of a name and three numbers), or nothing
// when it holds none. Other lines, such as stray bytes after the last record, are ignored.
std::optional<PlayerRecordType> DecodePlayerFile(const QByteArray& bytes);

// The ranking a file holds: its complete lines in file order, over fallback entries where it
// has fewer than five; nothing when it holds no complete line.
std::optional<std::array<RankingEntry, kRankingSize>> DecodeRankingFile(
    const QByteArray& bytes, const RankingEntry& fallback);

std::optional<Counter> ParseNumber(const Field& field);
std::optional<QDate> ParseDate(const Field& field);

}  // namespace zarvelo::codec
