// The program's one game.
#include "rules/Game.h"

#include "files/FileObject.h"
#include "rules/Dealing.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"

namespace zarvelo {

Game& TheGame() {
    static Game game;
    return game;
}

void Game::InitializeProgramState() {
    GameState& s = state_;
    s.FirstSelection = true;
    s.DeckPosition = s.GameCards = s.TotalCards = s.HiScore = 0;
    s.Stage = 1;
    s.GameOver = s.StageCleared = false;
    FillCardChart(s);
    const LastPlayer last = LoadLastPlayer();
    s.PlayerName = last.name;
    s.PlayerRecord = last.record;
    CopyRecordToState(s);
    s.Ranking = LoadRanking();
    BuildPointTable(s);
}

}  // namespace zarvelo
