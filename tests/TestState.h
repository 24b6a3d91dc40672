// The one game's state, which tests lay out and inspect directly, and the file operations on it
// as the game runs them.
#pragma once

#include "files/FileObject.h"
#include "rules/Game.h"
#include "tables/PlayerData.h"

namespace zarvelo {

inline GameState& S() { return RulesState(); }

inline void TakeLastPlayer() {
    LastPlayer last = LoadLastPlayer();
    S().PlayerName = last.name;
    S().PlayerRecord = last.record;
}

// Whether the player's file was there; its record becomes the state's.
inline bool TakePlayerFile() {
    const auto record = LoadPlayerFile(S().PlayerName);
    if (record) S().PlayerRecord = *record;
    return record.has_value();
}

// What a quit saves: the live state in the record, then the ranking and the player's files.
inline void SaveStateAndRanking() {
    CopyStateToRecord(S());
    SaveRecordAndRanking(S().PlayerName, S().PlayerRecord, S().Ranking);
}

}  // namespace zarvelo
