// Reading and writing the player files, the last-player file and the ranking file.
#include "files/FileObject.h"

#include <QStringList>
#include <utility>

#include "files/DataFileCodec.h"
#include "files/PlayerNames.h"
#include "platform/Clock.h"
#include "platform/DataFiles.h"
#include "platform/MessageBox.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"

namespace zarvelo {

namespace {

const QString kLastPlayerFile = QStringLiteral("default.dat");
const QString kRankingFile = QStringLiteral("Ranking.dat");

QString PlayerFileName(const QString& name) { return name + QStringLiteral(".dat"); }

QStringList g_problems;  // found while reading, not told yet
int g_roundDepth = 0;
QStringList g_failedFiles, g_failures;  // of the open save round

void Save(const QString& fileName, const QByteArray& bytes) {
    SaveRound round;
    QString error;
    if (platform::WriteDataFile(fileName, bytes, &error)) return;
    g_failedFiles << fileName;
    g_failures << platform::DataFilePath(fileName) + QLatin1Char('\n') + error;
}

// A file that exists but holds nothing the game can use is kept for the player, never replaced.
void Unreadable(const QString& fileName, const QString& path, const QString& why) {
    QString text = QStringLiteral("%1 could not be read: %2.\n%3").arg(fileName, why, path);
    QString error;
    if (const auto aside = platform::SetAsideDataFile(path, &error))
        text += QStringLiteral("\n\nIt has been kept as %1.").arg(*aside);
    else if (!error.isEmpty())
        text += QStringLiteral("\n\nIt could not be moved aside (%1), so it will not be replaced.")
                    .arg(error);
    g_problems << text;
}

// The bytes of a data file, or nothing when it is missing or could not be read.
std::optional<QByteArray> ReadFile(const QString& fileName, QString* path) {
    platform::DataFileRead read = platform::ReadDataFile(fileName);
    *path = read.path;
    if (read.outcome == platform::DataFileRead::Read) return std::move(read.bytes);
    if (read.outcome == platform::DataFileRead::Failed) Unreadable(fileName, read.path, read.error);
    return std::nullopt;
}

// The last complete record of a player file, or nothing (and the player told why).
std::optional<PlayerRecordType> ReadRecord(const QString& fileName) {
    QString path;
    const auto bytes = ReadFile(fileName, &path);
    if (!bytes) return std::nullopt;
    auto record = codec::DecodePlayerFile(*bytes);
    if (!record) Unreadable(fileName, path, QStringLiteral("it holds no complete record"));
    return record;
}

}  // namespace

SaveRound::SaveRound() { ++g_roundDepth; }

SaveRound::~SaveRound() {
    if (--g_roundDepth > 0 || g_failedFiles.isEmpty()) return;
    const QStringList files = std::exchange(g_failedFiles, {});
    const QStringList failures = std::exchange(g_failures, {});
    QString names = files.last();
    if (files.size() > 1)
        names = files.mid(0, files.size() - 1).join(QStringLiteral(", ")) +
                QStringLiteral(" and ") + names;
    platform::ShowMessageBox(QStringLiteral("%1 could not be saved.\n\n%2")
                                 .arg(names, failures.join(QStringLiteral("\n\n"))),
                             QStringLiteral("Save Error"), platform::MessageIcon::Warning);
}

void ReportDataProblems() {
    const QStringList problems = platform::TakeDataFolderNotices() + std::exchange(g_problems, {});
    if (problems.isEmpty()) return;
    platform::ShowMessageBox(problems.join(QStringLiteral("\n\n")), QStringLiteral("Data Files"),
                             platform::MessageIcon::Warning);
}

std::optional<QString> NameProblem(const QString& name) {
    return FileNameProblem(name, platform::DataFileNameLimit());
}

bool PlayerFileExists(const QString& name) {
    return platform::DataFileExists(PlayerFileName(name));
}

std::optional<PlayerRecordType> LoadPlayerFile(const QString& name) {
    if (!PlayerFileExists(name)) return std::nullopt;
    const auto read = ReadRecord(PlayerFileName(name));
    PlayerRecordType record = read.value_or(NewPlayerRecord());
    // The player is saved under the name inside; one that cannot name a file would lose the
    // record at the next save, so the name that found the file stays.
    if (!read || NameProblem(record.Name)) record.Name = name;
    return record;
}

void SavePlayerFiles(const QString& playerName, const PlayerRecordType& record) {
    SaveRound round;
    const auto line = codec::EncodePlayerLine(record);
    // A name that cannot name a file of its own still leaves the last-player file right.
    if (!NameProblem(playerName)) Save(PlayerFileName(playerName), line);
    Save(kLastPlayerFile, line);
}

LastPlayer LoadLastPlayer() {
    const auto read = ReadRecord(kLastPlayerFile);
    LastPlayer last{QString(), read.value_or(NewPlayerRecord())};
    last.name = last.record.Name;
    if (const auto problem = NameProblem(last.name)) {
        // A name that cannot name a file would leave the record nowhere but here, to be lost at
        // the next player change: the player goes on under the nearest name that can.
        last.name = StorableName(last.name, platform::DataFileNameLimit());
        g_problems << QStringLiteral(
                          "The last player's name cannot be used: %1\n\"%2\"\nThe game "
                          "goes on as \"%3\".")
                          .arg(*problem, last.record.Name, last.name);
        if (last.name == kNewPlayerName) last.record = NewPlayerRecord();
        last.record.Name = last.name;
    } else if (read) {
        return last;
    }
    // A player made up here never saves over a file of the same name that was not read first.
    if (auto stored = LoadPlayerFile(last.name)) last.record = *stored;
    return last;
}

RankingTable LoadRanking() {
    QString path;
    const auto bytes = ReadFile(kRankingFile, &path);
    const auto ranking =
        bytes ? codec::DecodeRankingFile(*bytes, EmptyRankingEntry(platform::Today()))
              : std::nullopt;
    if (bytes && !ranking)
        Unreadable(kRankingFile, path, QStringLiteral("it holds no complete line"));
    return ranking ? *ranking : DefaultRanking();
}

void SaveRecordAndRanking(const QString& playerName, const PlayerRecordType& record,
                          const RankingTable& ranking) {
    SaveRound round;
    SaveRanking(ranking);
    SavePlayerFiles(playerName, record);
}

void SaveRanking(const RankingTable& ranking) {
    QByteArray bytes;
    for (const RankingEntry& entry : ranking) bytes += codec::EncodeRankingLine(entry);
    Save(kRankingFile, bytes);
}

}  // namespace zarvelo
