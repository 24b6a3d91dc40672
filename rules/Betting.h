// Staking credit, starting a game, repeating the last stake and bankruptcy.
#pragma once

namespace zarvelo {

enum class ButtonMode { Betting, Playing };

// The three buttons' steps: "1 Bet", "Start" and "RepeatBet".
void BetOneUnit();
void StartNextGame();
void RepeatBet();

void ResetAfterGameOver();
void StartGame();
void RepeatLastBet();
void GoBankrupt();
void SetButtonMode(ButtonMode mode);

inline constexpr int kMaxBet = 10;
inline constexpr int kCreditAfterBankruptcy = 100;

}  // namespace zarvelo
