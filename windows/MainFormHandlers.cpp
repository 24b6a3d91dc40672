// The main window's event handlers: table presses and clicks, repaints and the three buttons.
#include <cmath>

#include "cardlib/CardLib.h"
#include "files/FileObject.h"
#include "platform/Sound.h"
#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "screen/TableGeometry.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/MainForm.h"

namespace zarvelo {

void MainForm::Form_MouseDown(int, int, float x, float y) {
    // Halves go to the even neighbour (the default rounding mode).
    ClickX = static_cast<Counter>(std::nearbyint(x));
    ClickY = static_cast<Counter>(std::nearbyint(y));
}

void MainForm::PressSlot(int slot) {
    const QPointF centre = QRectF(SlotRect(slot)).center();
    Form_MouseDown(static_cast<int>(Qt::LeftButton), 0, static_cast<float>(centre.x()),
                   static_cast<float>(centre.y()));
    Form_Click();
}

void MainForm::Form_Click() {
    if (GameOver || Bet == 0 || !GameInProgress) {
        LabelMessage->setText(kPleaseBetAndStart);
        return;
    }
    if (ClickY < kRowTop || ClickY > kRowBottom) return;
    const int slot = SlotAt(ClickX);
    if (slot == 0) return;

    if (Accepts(TableCards[0], TableCards[slot])) {
        if (FirstSelection) {
            FirstSelection = false;
            LabelMessage->setText(QString());
        }
        platform::PlayWave(QStringLiteral("floop_be.wav"));
        TableCards[0] = TableCards[slot];
        cardlib::SetCardX(TableCards[0], kTakenCardPosition.x());
        cardlib::SetCardY(TableCards[0], kTakenCardPosition.y());
        const CardNumber next = DeckPosition < kDeckSize ? Deck[DeckPosition] : 0;
        TableCards[slot] = next;
        ++DeckPosition;
        GameCards = SaturatingAdd(GameCards, 1);
        TotalCards = SaturatingAdd(TotalCards, 1);
        AwardCardPoints();
        ShowCardPoints();
        EvaluatePokerHand();
        if (next != 0) {
            CardChart[cardlib::GetCardSuit(next) - 1][cardlib::GetCardValue(next) - 1] =
                QLatin1Char(' ');
        }
    }
    RefreshTable();
    if (DeckPosition >= kDeckSize) {
        ClearStage();
    } else if (!PlayableExists) {
        EndGame();
    }
}

void MainForm::Form_Paint() {
    if (FirstSelection && !GameInProgress) {
        ShowIdleTable();
    } else {
        RefreshTable();
    }
}

void MainForm::CommandBet_Click() {
    if (GameOver) ResetAfterGameOver();
    if (Credit == 0 && Bet == 0) {
        GoBankrupt();
        return;
    }
    if (Bet == 0) {
        SetButtonMode(ButtonMode::Betting);
        GameInProgress = false;
        FirstSelection = true;
        BuildPointTable();
        ResetPointTable();
        ResetCardChart();
        ShowCardPoints();
        RefreshPanels();
        cardlib::ClearTable(hWnd);
        ShowIdleTable();
        RepaintNow();
    }
    if (Credit > 0) {
        ++Bet;
        --Credit;
        platform::PlayWave(QStringLiteral("keybd1.wav"));
        SetPokerPrizes();
        ShowPokerTable();
        ScalePointValues();
        ResetPointValues();
        RefreshPanels();
        if (Bet == kMaxBet || (Credit == 0 && Bet > 0)) StartGame();
    }
}

void MainForm::CommandNextGame_Click() {
    if (GameOver) ResetAfterGameOver();
    if (Bet > 0) {
        ShowCardPoints();
        StartGame();
    } else if (LastBet > 0) {
        ShowCardPoints();
        RepeatLastBet();
    }
}

void MainForm::CommandRepeatBet_Click() {
    if (GameOver) ResetAfterGameOver();
    if (LastBet > 0) {
        ShowCardPoints();
        RepeatLastBet();
    }
}

}  // namespace zarvelo
