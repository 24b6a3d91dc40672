// Reading and writing the player files, the last-player file and the ranking file.
#include "files/FileObject.h"

#include "files/DataFileCodec.h"
#include "files/PlayerNames.h"
#include "platform/Clock.h"
#include "platform/DataFiles.h"
#include "platform/MessageBox.h"
#include "platform/TextEncoding.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"

namespace zarvelo {

namespace {

const QString kLastPlayerFile = QStringLiteral("default.dat");
const QString kRankingFile = QStringLiteral("Ranking.dat");

QString PlayerFileName(const QString& name) { return name + QStringLiteral(".dat"); }

void Save(const QString& fileName, const QByteArray& bytes) {
    QString error;
    if (platform::WriteDataFile(fileName, bytes, &error)) return;
    platform::ShowMessageBox(QStringLiteral("%1 could not be saved.\n%2\n\n%3")
                                 .arg(fileName, platform::DataFilePath(fileName), error),
                             QStringLiteral("Save Error"), platform::MessageIcon::Warning);
}

// The record in a player file, over fresh values where the file is short or broken.
PlayerRecordType ReadRecord(const QString& fileName, const QString& defaultName) {
    PlayerRecordType fallback = NewPlayerRecord();
    fallback.Name = defaultName;
    const auto bytes = platform::ReadDataFile(fileName);
    return bytes ? codec::DecodePlayerFile(*bytes, fallback) : fallback;
}

}  // namespace

std::optional<QString> NameProblem(const QString& name) {
    return FileNameProblem(name, platform::DataFileNameLimit());
}

bool PlayerFileExists(const QString& name) {
    return platform::DataFileExists(PlayerFileName(name));
}

bool LoadPlayerFile() {
    if (!PlayerFileExists(PlayerName)) return false;
    PlayerRecord = ReadRecord(PlayerFileName(PlayerName), PlayerName);
    // The player is saved under the name inside; one that cannot name a file would lose the
    // record at the next save, so the name that found the file stays.
    if (NameProblem(PlayerRecord.Name)) PlayerRecord.Name = PlayerName;
    return true;
}

void SavePlayerFiles() {
    const auto line = codec::EncodePlayerLine(PlayerRecord);
    // A name that cannot name a file of its own still leaves the last-player file right.
    if (!NameProblem(PlayerName)) Save(PlayerFileName(PlayerName), line);
    Save(kLastPlayerFile, line);
}

void LoadLastPlayer() {
    if (platform::DataFileExists(kLastPlayerFile)) {
        PlayerRecord = ReadRecord(kLastPlayerFile, kNewPlayerName);
        // A name that cannot name a file would leave the record nowhere but here, to be lost
        // at the next player change: the player goes on under the nearest name that can.
        PlayerRecord.Name = StorableName(PlayerRecord.Name, platform::DataFileNameLimit());
    } else {
        PlayerRecord = NewPlayerRecord();
    }
    PlayerName = PlayerRecord.Name;
}

void LoadRanking() {
    const auto bytes = platform::DataFileExists(kRankingFile) ? platform::ReadDataFile(kRankingFile)
                                                              : std::nullopt;
    if (!bytes) {
        MakeDefaultRanking();
        return;
    }
    Ranking = codec::DecodeRankingFile(*bytes, EmptyRankingEntry(platform::Today()));
}

void SaveRecordAndRanking() {
    CopyStateToRecord();
    SaveRanking();
    SavePlayerFiles();
}

void SaveRanking() {
    QByteArray bytes;
    for (const RankingEntry& entry : Ranking) bytes += codec::EncodeRankingLine(entry);
    Save(kRankingFile, bytes);
}

}  // namespace zarvelo
