// Reading and writing the player files, the last-player file and the ranking file.
#pragma once

#include <QString>
#include <optional>

namespace zarvelo {

bool PlayerFileExists(const QString& name);
bool LoadPlayerFile();
void SavePlayerFiles();
void LoadLastPlayer();
void LoadRanking();
void SaveRanking();

// The state copied into the player's record, then the ranking and the player's files saved.
void SaveRecordAndRanking();

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
