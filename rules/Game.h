// The one game of the program: it holds the game's state, which the rules alone change.
#pragma once

#include "state/GameState.h"

namespace zarvelo {

class Game {
public:
    const GameState& state() const { return state_; }
    // The state for the rules to change; every other module reads it through state().
    GameState& rulesState() { return state_; }
    // Back to the values before start-up: zeros, false, empty.
    void reset() { state_ = GameState{}; }
    // The start values, the last player and the ranking as the data files hold them, the point
    // table.
    void InitializeProgramState(const QString& lastPlayer, const PlayerRecordType& record,
                                const RankingTable& ranking);

private:
    GameState state_;
};

// The program's one game, made on first use and kept for the program's lifetime.
Game& TheGame();

inline const GameState& State() { return TheGame().state(); }
inline GameState& RulesState() { return TheGame().rulesState(); }

}  // namespace zarvelo
