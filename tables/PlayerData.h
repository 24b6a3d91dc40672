// The stored player record and the ranking of the five best games.
#pragma once

#include "state/GameState.h"

namespace zarvelo {

void CopyStateToRecord(GameState& s);
void CopyRecordToState(GameState& s);
void ResetRecordForNewPlayer(GameState& s);
void EnterRanking(GameState& s);
void MakeDefaultRanking(GameState& s);

// The player's record with the live name, credit and bankruptcies, as a quit would store it.
PlayerRecordType RecordWithState(const GameState& s);

// Five places nobody has taken yet, dated today.
RankingTable DefaultRanking();

}  // namespace zarvelo
