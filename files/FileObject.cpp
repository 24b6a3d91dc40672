// Reading and writing the player files, the last-player file and the ranking file.
#include "files/FileObject.h"

#include "files/DataFileCodec.h"
#include "platform/DataFiles.h"
#include "platform/Platform.h"
#include "platform/TextEncoding.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"

namespace zarvelo {

namespace {

const QString kLastPlayerFile = QStringLiteral("default.dat");
const QString kRankingFile = QStringLiteral("Ranking.dat");

QString PlayerFileName(const QString& name) { return name + QStringLiteral(".dat"); }

PlayerRecordType FreshRecord() {
    return PlayerRecordType{QStringLiteral("NewPlayer"), 100, 0, 1};
}

void Save(const QString& fileName, const QByteArray& bytes) {
    QString error;
    if (platform::WriteDataFile(fileName, bytes, &error)) return;
    platform::ShowMessageBox(QStringLiteral("%1 could not be saved.\n%2\n\n%3")
                                 .arg(fileName, platform::DataFilePath(fileName), error),
                             QStringLiteral("Save Error"), platform::MessageIcon::Warning);
}

// The record in a player file, over fresh values where the file is short or broken.
PlayerRecordType ReadRecord(const QString& fileName, const QString& defaultName) {
    PlayerRecordType fallback = FreshRecord();
    fallback.Name = defaultName;
    const auto bytes = platform::ReadDataFile(fileName);
    return bytes ? codec::DecodePlayerFile(*bytes, fallback) : fallback;
}

}  // namespace

std::optional<QString> NameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("Please enter a name.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("A name cannot contain control characters.");
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return QStringLiteral("A name cannot contain any of \\ / : * ? \" < > |");
    }
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("A name cannot end with a space or a dot.");
    const auto encoded = platform::EncodeCp932(name);
    if (!encoded || platform::DecodeCp932(*encoded) != name)
        return QStringLiteral("The name contains characters that cannot be stored.");
    if (name.compare(QLatin1String("Ranking"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" is reserved for the game's own files.").arg(name);
    return std::nullopt;
}

bool PlayerFileExists(const QString& name) {
    return platform::DataFileExists(PlayerFileName(name));
}

bool LoadPlayerFile() {
    if (!PlayerFileExists(PlayerName)) return false;
    PlayerRecord = ReadRecord(PlayerFileName(PlayerName), PlayerName);
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
        PlayerRecord = ReadRecord(kLastPlayerFile, QStringLiteral("NewPlayer"));
        if (NameProblem(PlayerRecord.Name)) PlayerRecord.Name = QStringLiteral("NewPlayer");
    } else {
        PlayerRecord = FreshRecord();
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
    const RankingEntry fallback{0, 1, 0, QStringLiteral("NewPlayer"), platform::Today()};
    Ranking = codec::DecodeRankingFile(*bytes, fallback);
}

void SaveRanking() {
    QByteArray bytes;
    for (const RankingEntry& entry : Ranking) bytes += codec::EncodeRankingLine(entry);
    Save(kRankingFile, bytes);
}

}  // namespace zarvelo
