// Staking credit, starting a game, repeating the last stake and bankruptcy.
#pragma once

namespace zarvelo {

enum class ButtonMode { Betting, Playing };

void ResetAfterGameOver();
void StartGame();
void RepeatLastBet();
void GoBankrupt();
void SetButtonMode(ButtonMode mode);

inline constexpr int kMaxBet = 10;
inline constexpr int kCreditAfterBankruptcy = 100;

}  // namespace zarvelo
