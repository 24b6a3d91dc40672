// The data-file format: encoding records and reading them back field by field.
#include "files/DataFileCodec.h"

#include <QRegularExpression>
#include <limits>

#include "platform/TextEncoding.h"

namespace zarvelo::codec {

namespace {

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString DateText(const QDate& date) {
    return QLatin1Char('#') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('#');
}

QByteArray Line(const QStringList& fields) {
    return platform::EncodeCp932Lossy(fields.join(QLatin1Char(','))) + "\r\n";
}

bool IsLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

}  // namespace

QByteArray EncodePlayerLine(const PlayerRecordType& r) {
    return Line({Quoted(r.Name), QString::number(r.Credit), QString::number(r.BankruptCount),
                 QString::number(r.GamesPlayed)});
}

QByteArray EncodeRankingLine(const RankingEntry& e) {
    return Line({QString::number(e.Cards), QString::number(e.Stage), QString::number(e.Score),
                 Quoted(e.PlayerName), DateText(e.Date)});
}

std::vector<Field> SplitFields(const QByteArray& bytes) {
    // Editors that add a byte-order mark have written the file in UTF-8.
    static const QByteArray kUtf8Mark("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(kUtf8Mark)
                             ? QString::fromUtf8(bytes.mid(kUtf8Mark.size()))
                             : platform::DecodeCp932(bytes);
    std::vector<Field> fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
        if (i >= n) break;
        if (IsLineEnd(text[i])) {  // a blank line holds no field
            ++i;
            continue;
        }
        Field field;
        const QChar open = text[i];
        if (open == QLatin1Char('"') || open == QLatin1Char('#')) {
            const qsizetype close = text.indexOf(open, i + 1);
            const qsizetype end = close < 0 ? n : close;
            field.text = text.mid(i + 1, end - i - 1);
            field.kind = open == QLatin1Char('"') ? Field::Quoted : Field::Dated;
            i = close < 0 ? n : close + 1;
            // Anything between the closing mark and the separator belongs to no field.
            while (i < n && text[i] != QLatin1Char(',') && !IsLineEnd(text[i])) ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != QLatin1Char(',') && !IsLineEnd(text[i])) ++i;
            field.text = text.mid(start, i - start).trimmed();
        }
        fields.push_back(field);
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            // A comma right before a line end or the end leaves one empty field.
            qsizetype j = i;
            while (j < n && (text[j] == QLatin1Char(' ') || text[j] == QLatin1Char('\t'))) ++j;
            if (j >= n || IsLineEnd(text[j])) fields.push_back(Field{});
        }
    }
    return fields;
}

std::optional<Counter> ParseNumber(const Field& field) {
    if (field.kind != Field::Plain) return std::nullopt;
    const QString& t = field.text;
    if (t.isEmpty() || t.size() > 12) return std::nullopt;
    qsizetype i = t[0] == QLatin1Char('-') ? 1 : 0;
    if (i == t.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (t[i].unicode() - '0');
    }
    if (t[0] == QLatin1Char('-')) value = -value;
    if (value < std::numeric_limits<Counter>::min() || value > std::numeric_limits<Counter>::max())
        return std::nullopt;
    return static_cast<Counter>(value);
}

std::optional<QDate> ParseDate(const Field& field) {
    if (field.kind != Field::Dated) return std::nullopt;
    // Month and day may have one digit or two.
    static const QRegularExpression kDate(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const QRegularExpressionMatch match = kDate.match(field.text);
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

namespace {
std::optional<QString> ParseText(const Field& field) {
    if (field.kind == Field::Dated || field.text.isEmpty()) return std::nullopt;
    return field.text;
}
}  // namespace

PlayerRecordType DecodePlayerFile(const QByteArray& bytes, const PlayerRecordType& fallback) {
    const std::vector<Field> fields = SplitFields(bytes);
    PlayerRecordType record = fallback;
    if (fields.empty()) return record;
    // Records are read one after the other; the last one, even a partial one, is what stays.
    const size_t last = (fields.size() - 1) / 4 * 4;
    auto at = [&](size_t k) -> const Field* {
        return last + k < fields.size() ? &fields[last + k] : nullptr;
    };
    if (const Field* f = at(0)) record.Name = ParseText(*f).value_or(fallback.Name);
    if (const Field* f = at(1)) record.Credit = ParseNumber(*f).value_or(fallback.Credit);
    if (const Field* f = at(2))
        record.BankruptCount = ParseNumber(*f).value_or(fallback.BankruptCount);
    if (const Field* f = at(3)) record.GamesPlayed = ParseNumber(*f).value_or(fallback.GamesPlayed);
    // Credit and counts are never negative in play.
    if (record.Credit < 0) record.Credit = 0;
    if (record.BankruptCount < 0) record.BankruptCount = fallback.BankruptCount;
    if (record.GamesPlayed < 0) record.GamesPlayed = fallback.GamesPlayed;
    return record;
}

std::array<RankingEntry, kRankingSize> DecodeRankingFile(const QByteArray& bytes,
                                                         const RankingEntry& fallback) {
    std::array<RankingEntry, kRankingSize> ranking;
    ranking.fill(fallback);
    const std::vector<Field> fields = SplitFields(bytes);
    // Entries fill positions 1 to 5 over and over, as a reader looping to the end would.
    for (size_t start = 0; start < fields.size(); start += 5) {
        RankingEntry& e = ranking[(start / 5) % kRankingSize];
        e = fallback;
        auto at = [&](size_t k) -> const Field* {
            return start + k < fields.size() ? &fields[start + k] : nullptr;
        };
        if (const Field* f = at(0)) e.Cards = ParseNumber(*f).value_or(fallback.Cards);
        if (const Field* f = at(1)) e.Stage = ParseNumber(*f).value_or(fallback.Stage);
        if (const Field* f = at(2)) e.Score = ParseNumber(*f).value_or(fallback.Score);
        if (const Field* f = at(3)) e.PlayerName = ParseText(*f).value_or(fallback.PlayerName);
        if (const Field* f = at(4)) e.Date = ParseDate(*f).value_or(fallback.Date);
    }
    return ranking;
}

}  // namespace zarvelo::codec
