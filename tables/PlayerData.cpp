// The stored player record and the ranking of the five best games.
#include "tables/PlayerData.h"

#include "platform/Clock.h"

namespace zarvelo {

PlayerRecordType RecordWithState(const GameState& s) {
    PlayerRecordType record = s.PlayerRecord;
    record.Name = s.PlayerName;
    record.Credit = s.Credit;
    record.BankruptCount = s.BankruptCount;
    return record;
}

void CopyStateToRecord(GameState& s) { s.PlayerRecord = RecordWithState(s); }

void CopyRecordToState(GameState& s) {
    s.PlayerName = s.PlayerRecord.Name;
    s.BankruptCount = s.PlayerRecord.BankruptCount;
    s.Credit = s.PlayerRecord.Credit;
}

void ResetRecordForNewPlayer(GameState& s) { s.PlayerRecord = NewPlayerRecord(); }

void EnterRanking(GameState& s) {
    // The highest position whose Cards the game beats; equal results are not beaten.
    int p = 0;
    for (int i = kRankingSize; i >= 1; --i)
        if (s.Ranking[i - 1].Cards < s.GameCards) p = i;
    if (p == 0) return;
    for (int i = kRankingSize - 1; i >= p; --i) s.Ranking[i] = s.Ranking[i - 1];
    s.Ranking[p - 1] =
        RankingEntry{s.GameCards, s.Stage, s.TotalCards, s.PlayerName, platform::Today()};
}

RankingTable DefaultRanking() {
    RankingTable ranking;
    ranking.fill(EmptyRankingEntry(platform::Today()));
    return ranking;
}

void MakeDefaultRanking(GameState& s) { s.Ranking = DefaultRanking(); }

}  // namespace zarvelo
