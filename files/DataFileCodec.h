// The data-file format: records of quoted texts, decimal numbers and #dates#, in code page 932
// with CR LF line ends. Pure functions on bytes, so they can be tested and fuzzed without files.
#pragma once

#include <QByteArray>
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
    enum Kind { Plain, Quoted, Dated } kind = Plain;
};

// Splits a file into fields at commas and line ends outside quotes.
std::vector<Field> SplitFields(const QByteArray& bytes);

// The player record a file holds: the last record in it, field by field over the fallback
// where a field is missing or of the wrong kind.
PlayerRecordType DecodePlayerFile(const QByteArray& bytes, const PlayerRecordType& fallback);

// The ranking a file holds, entries in file order; a missing or broken field takes the
// fallback entry's value.
std::array<RankingEntry, kRankingSize> DecodeRankingFile(const QByteArray& bytes,
                                                         const RankingEntry& fallback);

std::optional<Counter> ParseNumber(const Field& field);
std::optional<QDate> ParseDate(const Field& field);

}  // namespace zarvelo::codec
