// Staking credit, starting a game, repeating the last stake and bankruptcy.
#include "rules/Betting.h"

#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Dealing.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "state/GameState.h"
#include "tables/PointTables.h"
#include "windows/NamedControls.h"

namespace zarvelo {

void ResetAfterGameOver() {
    Bet = 0;
    Win = 0;
    GameOver = false;
}

void StartGame() {
    LastBet = Bet;
    SetButtonMode(ButtonMode::Playing);
    MessageText = kSelectFirstCard;
    ShowStatus();
    FirstSelection = true;
    GameInProgress = true;
    DealTable();
    EvaluatePokerHand();
    RefreshTable();
    platform::PlayWave(QStringLiteral("crystal.wav"));
}

void RepeatLastBet() {
    if (Bet == 0 && Credit == 0) {
        GoBankrupt();
        return;
    }
    if (Credit < LastBet) {
        Bet = Credit;
        Credit = 0;
    } else {
        Bet = LastBet;
        Credit -= LastBet;
    }
    BuildPointTable();
    ResetPointTable();
    ResetCardChart();
    SetPokerPrizes();
    ShowPokerTable();
    ScalePointValues();
    ResetPointValues();
    RefreshPanels();
    StartGame();
}

void GoBankrupt() {
    platform::ShowMessageBox(QString::fromUtf8("破産しました。再度ゲームを開始します"));
    Bet = 0;
    Credit = kCreditAfterBankruptcy;
    BankruptCount = SaturatingAdd(BankruptCount, 1);
    ShowStatus();
}

void SetButtonMode(ButtonMode mode) {
    NamedControls& f = Controls();
    const bool playing = mode == ButtonMode::Playing;
    for (QPushButton* button : f.BettingButtons()) button->setVisible(!playing);
    if (!playing) {
        f.CommandBet->setEnabled(true);
        f.CommandRepeatBet->setEnabled(false);
    }
    f.CommandNextGame->setEnabled(true);
}

}  // namespace zarvelo
