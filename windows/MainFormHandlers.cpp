// The main window's event handlers: table presses and clicks, repaints and the three buttons.
#include <cmath>

#include "cardlib/CardLib.h"
#include "files/FileObject.h"
#include "platform/Sound.h"
#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "screen/TableGeometry.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/MainForm.h"

namespace zarvelo {

void MainForm::Form_MouseDown(int, int, float x, float y) {
    GameState& s = RulesState();
    // Halves go to the even neighbour (the default rounding mode).
    s.ClickX = static_cast<Counter>(std::nearbyint(x));
    s.ClickY = static_cast<Counter>(std::nearbyint(y));
}

void MainForm::PressSlot(int slot) {
    const QPointF centre = QRectF(SlotRect(slot)).center();
    Form_MouseDown(static_cast<int>(Qt::LeftButton), 0, static_cast<float>(centre.x()),
                   static_cast<float>(centre.y()));
    Form_Click();
}

void MainForm::Form_Click() {
    GameState& s = RulesState();
    if (s.GameOver || s.Bet == 0 || !s.GameInProgress) {
        LabelMessage->setText(kPleaseBetAndStart);
        return;
    }
    if (s.ClickY < kRowTop || s.ClickY > kRowBottom) return;
    const int slot = SlotAt(s.ClickX);
    if (slot == 0) return;

    if (Accepts(s, s.TableCards[0], s.TableCards[slot])) {
        if (s.FirstSelection) {
            s.FirstSelection = false;
            LabelMessage->setText(QString());
        }
        platform::PlayWave(platform::Sound::CardTaken);
        s.TableCards[0] = s.TableCards[slot];
        // The library keeps no card positions: the current card is drawn at its own slot.
        const CardNumber next = s.DeckPosition < kDeckSize ? s.Deck[s.DeckPosition] : 0;
        s.TableCards[slot] = next;
        ++s.DeckPosition;
        s.GameCards = SaturatingAdd(s.GameCards, 1);
        s.TotalCards = SaturatingAdd(s.TotalCards, 1);
        AwardCardPoints();
        ShowCardPoints();
        EvaluatePokerHand();
        if (next != 0) {
            s.CardChart[cardlib::GetCardSuit(next) - 1][cardlib::GetCardValue(next) - 1] =
                QLatin1Char(' ');
        }
    }
    RefreshTable();
    if (s.DeckPosition >= kDeckSize) {
        ClearStage();
    } else if (!s.PlayableExists) {
        EndGame();
    }
}

void MainForm::Form_Paint() {
    const GameState& s = State();
    if (s.FirstSelection && !s.GameInProgress) {
        ShowIdleTable();
    } else {
        RefreshTable();
    }
}

void MainForm::CommandBet_Click() {
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
        RefreshPanels();
        cardlib::ClearTable(hWnd);
        ShowIdleTable();
        RepaintNow();
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

void MainForm::CommandNextGame_Click() {
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

void MainForm::CommandRepeatBet_Click() {
    GameState& s = RulesState();
    if (s.GameOver) ResetAfterGameOver();
    if (s.LastBet > 0) {
        ShowCardPoints();
        RepeatLastBet();
    }
}

}  // namespace zarvelo
