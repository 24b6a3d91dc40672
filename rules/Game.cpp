// The program's one game.
#include "rules/Game.h"

#include "rules/Dealing.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"

namespace zarvelo {

Game& TheGame() {
    static Game game;
    return game;
}

void Game::InitializeProgramState(const QString& lastPlayer, const PlayerRecordType& record,
                                  const RankingTable& ranking) {
    GameState& s = state_;
    s.FirstSelection = true;
    s.DeckPosition = s.GameCards = s.TotalCards = s.HiScore = 0;
    s.Stage = 1;
    s.GameOver = s.StageCleared = false;
    FillCardChart(s);
    s.PlayerName = lastPlayer;
    s.PlayerRecord = record;
    CopyRecordToState(s);
    s.Ranking = ranking;
    BuildPointTable(s);
}

}  // namespace zarvelo
