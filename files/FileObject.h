// Reading and writing the player files, the last-player file and the ranking file.
#pragma once

#include <QString>
#include <optional>

#include "state/GameState.h"

namespace zarvelo {

bool PlayerFileExists(const QString& name);
// The record in the player's file; nothing when there is no file. A file that cannot be read
// gives a new player's record under that name.
std::optional<PlayerRecordType> LoadPlayerFile(const QString& name);
// The record saved as the player's own file and as the last player.
void SavePlayerFiles(const QString& playerName, const PlayerRecordType& record);

// The last player: the name to play under and the record.
struct LastPlayer {
    QString name;
    PlayerRecordType record;
};
LastPlayer LoadLastPlayer();

RankingTable LoadRanking();
void SaveRanking(const RankingTable& ranking);

// The ranking, then the player's files, in one save round.
void SaveRecordAndRanking(const QString& playerName, const PlayerRecordType& record,
                          const RankingTable& ranking);

// Why a name cannot be a player's, or nothing when it can: the name names the player's file.
std::optional<QString> NameProblem(const QString& name);

// While one lives, the saves it spans are one round: whatever failed in them is told in a
// single box when the outermost round ends.
class SaveRound {
public:
    SaveRound();
    ~SaveRound();
    SaveRound(const SaveRound&) = delete;
    SaveRound& operator=(const SaveRound&) = delete;
};

// Tells the player, in one box, what reading the data files found wrong since the last report:
// a file that could not be read and where it was kept, a stored name that could not be used,
// a second set of data. Nothing when all was well.
void ReportDataProblems();

}  // namespace zarvelo
