// Staking credit, starting a game, repeating the last stake and bankruptcy.
#pragma once

#include "rules/Events.h"
#include "rules/Game.h"

namespace zarvelo {

// The three buttons' steps: "1 Bet", "Start" and "RepeatBet".
std::vector<Event> BetOneUnit(Game& game, EventSink& sink);
std::vector<Event> StartNextGame(Game& game, EventSink& sink);
std::vector<Event> RepeatBet(Game& game, EventSink& sink);

void ResetAfterGameOver(GameState& s);
void StartGame(GameState& s, Events& out);
void RepeatLastBet(GameState& s, Events& out);
void GoBankrupt(GameState& s, Events& out);

inline constexpr int kMaxBet = 10;
inline constexpr int kCreditAfterBankruptcy = 100;

}  // namespace zarvelo
