// Staking credit, starting a game, repeating the last stake and bankruptcy.
#include "rules/Betting.h"

#include "cardlib/CardLib.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "tables/PointTables.h"
#include "windows/NamedControls.h"

namespace zarvelo {

void ResetAfterGameOver() {
    GameState& s = RulesState();
    s.Bet = 0;
    s.Win = 0;
    s.GameOver = false;
}

void StartGame() {
    GameState& s = RulesState();
    s.LastBet = s.Bet;
    SetButtonMode(ButtonMode::Playing);
    s.MessageText = kSelectFirstCard;
    ShowStatus();
    s.FirstSelection = true;
    s.GameInProgress = true;
    DealTable();
    EvaluatePokerHand();
    RefreshTable();
    platform::PlayWave(platform::Sound::GameStarts);
}

void RepeatLastBet() {
    GameState& s = RulesState();
    if (s.Bet == 0 && s.Credit == 0) {
        GoBankrupt();
        return;
    }
    if (s.Credit < s.LastBet) {
        s.Bet = s.Credit;
        s.Credit = 0;
    } else {
        s.Bet = s.LastBet;
        s.Credit -= s.LastBet;
    }
    BuildPointTable(s);
    ResetPointTable(s);
    ResetCardChart();
    SetPokerPrizes(s);
    ShowPokerTable();
    ScalePointValues(s);
    ResetPointValues();
    RefreshPanels();
    StartGame();
}

void GoBankrupt() {
    GameState& s = RulesState();
    platform::ShowMessageBox(QString::fromUtf8("破産しました。再度ゲームを開始します"));
    s.Bet = 0;
    s.Credit = kCreditAfterBankruptcy;
    s.BankruptCount = SaturatingAdd(s.BankruptCount, 1);
    ShowStatus();
}

void BetOneUnit() {
    GameState& s = RulesState();
    if (s.GameOver) ResetAfterGameOver();
    if (s.Credit == 0 && s.Bet == 0) {
        GoBankrupt();
        return;
    }
    if (s.Bet == 0) {
        SetButtonMode(ButtonMode::Betting);
        s.GameInProgress = false;
        s.FirstSelection = true;
        BuildPointTable(s);
        ResetPointTable(s);
        ResetCardChart();
        ShowCardPoints();
        SetPokerPrizes(s);
        RefreshPanels();
        cardlib::ClearTable(Controls().hWnd);
        ShowIdleTable();
        Controls().RepaintNow();
    }
    if (s.Credit > 0) {
        ++s.Bet;
        --s.Credit;
        platform::PlayWave(platform::Sound::UnitStaked);
        SetPokerPrizes(s);
        ShowPokerTable();
        ScalePointValues(s);
        ResetPointValues();
        RefreshPanels();
        if (s.Bet == kMaxBet || (s.Credit == 0 && s.Bet > 0)) StartGame();
    }
}

void StartNextGame() {
    GameState& s = RulesState();
    if (s.GameOver) ResetAfterGameOver();
    if (s.Bet > 0) {
        ShowCardPoints();
        StartGame();
    } else if (s.LastBet > 0) {
        ShowCardPoints();
        RepeatLastBet();
    }
}

void RepeatBet() {
    GameState& s = RulesState();
    if (s.GameOver) ResetAfterGameOver();
    if (s.LastBet > 0) {
        ShowCardPoints();
        RepeatLastBet();
    }
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
