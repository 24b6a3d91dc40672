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

}  // namespace zarvelo
