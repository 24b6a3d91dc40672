// The stored player record and the ranking of the five best games.
#pragma once

namespace zarvelo {

void CopyStateToRecord();
void CopyRecordToState();
void ResetRecordForNewPlayer();
void EnterRanking();
void MakeDefaultRanking();

}  // namespace zarvelo
