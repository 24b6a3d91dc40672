// The stored player record and the ranking of the five best games.
#include "tables/PlayerData.h"

#include "platform/Clock.h"
#include "state/GameState.h"

namespace zarvelo {

void CopyStateToRecord() {
    PlayerRecord.Name = PlayerName;
    PlayerRecord.Credit = Credit;
    PlayerRecord.BankruptCount = BankruptCount;
}

void CopyRecordToState() {
    PlayerName = PlayerRecord.Name;
    BankruptCount = PlayerRecord.BankruptCount;
    Credit = PlayerRecord.Credit;
}

void ResetRecordForNewPlayer() { PlayerRecord = NewPlayerRecord(); }

void EnterRanking() {
    // The highest position whose Cards the game beats; equal results are not beaten.
    int p = 0;
    for (int i = kRankingSize; i >= 1; --i)
        if (Ranking[i - 1].Cards < GameCards) p = i;
    if (p == 0) return;
    for (int i = kRankingSize - 1; i >= p; --i) Ranking[i] = Ranking[i - 1];
    Ranking[p - 1] = RankingEntry{GameCards, Stage, TotalCards, PlayerName, platform::Today()};
}

void MakeDefaultRanking() { Ranking.fill(EmptyRankingEntry(platform::Today())); }

}  // namespace zarvelo
