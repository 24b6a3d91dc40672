// The data-file format: encoding records and reading them back field by field.
#include "files/DataFileCodec.h"

#include <QRegularExpression>
#include <algorithm>
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

}  // namespace

QByteArray EncodePlayerLine(const PlayerRecordType& r) {
    return Line({Quoted(r.Name), QString::number(r.Credit), QString::number(r.BankruptCount),
                 QString::number(r.GamesPlayed)});
}

QByteArray EncodeRankingLine(const RankingEntry& e) {
    return Line({QString::number(e.Cards), QString::number(e.Stage), QString::number(e.Score),
                 Quoted(e.PlayerName), DateText(e.Date)});
}

QStringList TextLines(const QByteArray& file) {
    // Old editors end a text file with an end-of-file mark; nothing after it is data. The byte
    // never occurs inside a code-page 932 character.
    const qsizetype mark = file.indexOf('\x1a');
    const QByteArray bytes = mark < 0 ? file : file.left(mark);
    // Editors that add a byte-order mark have written the file in UTF-8.
    static const QByteArray kUtf8Mark("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(kUtf8Mark)
                             ? QString::fromUtf8(bytes.mid(kUtf8Mark.size()))
                             : platform::DecodeCp932(bytes);
    static const QRegularExpression kLineEnd(QStringLiteral("[\r\n]"));
    QStringList lines;
    for (const QString& line : text.split(kLineEnd))
        if (!line.trimmed().isEmpty()) lines << line;
    return lines;
}

std::vector<Field> SplitFields(const QString& text) {
    std::vector<Field> fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
        Field field;
        const QChar open = i < n ? text[i] : QChar();
        if (open == QLatin1Char('"') || open == QLatin1Char('#')) {
            const qsizetype close = text.indexOf(open, i + 1);
            if (close < 0) {  // an unclosed quote or date makes no field
                fields.push_back(Field{text.mid(i), Field::Broken});
                return fields;
            }
            field.text = text.mid(i + 1, close - i - 1);
            field.kind = open == QLatin1Char('"') ? Field::Quoted : Field::Dated;
            i = close + 1;
            // Anything between the closing mark and the separator belongs to no field.
            while (i < n && text[i] != QLatin1Char(',')) ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != QLatin1Char(',')) ++i;
            field.text = text.mid(start, i - start).trimmed();
        }
        fields.push_back(field);
        if (i >= n) break;
        ++i;                                    // the comma
        if (i >= n) fields.push_back(Field{});  // a comma at the end leaves one empty field
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
    if (field.kind == Field::Dated || field.kind == Field::Broken || field.text.isEmpty())
        return std::nullopt;
    return field.text;
}

// The fields of a line when it has exactly the given number of them.
std::optional<std::vector<Field>> Record(const QString& line, size_t count) {
    std::vector<Field> fields = SplitFields(line);
    if (fields.size() != count) return std::nullopt;
    return fields;
}

std::optional<PlayerRecordType> PlayerRecordOf(const QString& line) {
    const auto f = Record(line, 4);
    if (!f) return std::nullopt;
    const auto name = ParseText((*f)[0]);
    const auto credit = ParseNumber((*f)[1]);
    const auto bankrupt = ParseNumber((*f)[2]);
    const auto games = ParseNumber((*f)[3]);
    if (!name || !credit || !bankrupt || !games) return std::nullopt;
    // Credit and counts are never negative in play.
    const PlayerRecordType fresh = NewPlayerRecord();
    return PlayerRecordType{*name, std::max<Counter>(*credit, 0),
                            *bankrupt < 0 ? fresh.BankruptCount : *bankrupt,
                            *games < 0 ? fresh.GamesPlayed : *games};
}

std::optional<RankingEntry> RankingEntryOf(const QString& line) {
    const auto f = Record(line, 5);
    if (!f) return std::nullopt;
    const auto cards = ParseNumber((*f)[0]);
    const auto stage = ParseNumber((*f)[1]);
    const auto score = ParseNumber((*f)[2]);
    const auto name = ParseText((*f)[3]);
    const auto date = ParseDate((*f)[4]);
    if (!cards || !stage || !score || !name || !date) return std::nullopt;
    return RankingEntry{*cards, *stage, *score, *name, *date};
}

}  // namespace

std::optional<PlayerRecordType> DecodePlayerFile(const QByteArray& bytes) {
    std::optional<PlayerRecordType> last;
    for (const QString& line : TextLines(bytes))
        if (auto record = PlayerRecordOf(line)) last = std::move(record);
    return last;
}

std::optional<std::array<RankingEntry, kRankingSize>> DecodeRankingFile(
    const QByteArray& bytes, const RankingEntry& fallback) {
    std::array<RankingEntry, kRankingSize> ranking;
    ranking.fill(fallback);
    size_t complete = 0;
    // Entries fill positions 1 to 5 over and over, as a reader looping to the end would.
    for (const QString& line : TextLines(bytes)) {
        if (auto entry = RankingEntryOf(line)) ranking[complete++ % kRankingSize] = *entry;
    }
    if (complete == 0) return std::nullopt;
    return ranking;
}

}  // namespace zarvelo::codec
