// The main window's event handlers: table presses and clicks, repaints and the three buttons.
#include <cmath>

#include "cardlib/CardLib.h"
#include "files/FileObject.h"
#include "platform/Platform.h"
#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

constexpr int kRowTop = 160, kRowBottom = 256;

int SlotAt(Counter x) {
    for (int i = 1; i <= 5; ++i) {
        const int left = 7 + 85 * (i - 1);
        if (x >= left && x <= left + 71) return i;
    }
    return 0;
}

bool Accepts(CardNumber current, CardNumber candidate) {
    return FirstSelection || cardlib::GetCardSuit(candidate) == cardlib::GetCardSuit(current) ||
           cardlib::GetCardValue(candidate) == cardlib::GetCardValue(current);
}

void ClearStage() {
    StageCleared = true;
    platform::PlayWave(QStringLiteral("space152.wav"));
    platform::ShowMessageBox(QStringLiteral("You did it!! Try next game!"));
    Stage = SaturatingAdd(Stage, 1);
    RedealTable();
}

void EndGame(MainForm& f) {
    platform::PlayWave(QStringLiteral("boingg.wav"));
    f.LabelMessage->setText(QStringLiteral("Game Over"));
    Credit = SaturatingAdd(Credit, Win);
    PlayerRecord.GamesPlayed = SaturatingAdd(PlayerRecord.GamesPlayed, 1);
    if (TotalCards > HiScore) {
        HiScore = TotalCards;
        f.LabelHiscore->setText(QString::number(HiScore));
    }
    if (GameCards > Ranking[kRankingSize - 1].Cards) EnterRanking();
    CopyStateToRecord();
    // The finished game is on the disk before anything can end the program.
    SaveRanking();
    SavePlayerFiles();
    Stage = 1;
    GameOver = true;
    GameInProgress = false;
    StageCleared = false;
    for (QPushButton* button : {f.CommandNextGame, f.CommandBet, f.CommandRepeatBet}) button->show();
    f.CommandBet->setEnabled(true);
    f.CommandRepeatBet->setEnabled(true);
}

}  // namespace

void MainForm::Form_MouseDown(int, int, float x, float y) {
    // Halves go to the even neighbour (the default rounding mode).
    ClickX = static_cast<Counter>(std::nearbyint(x));
    ClickY = static_cast<Counter>(std::nearbyint(y));
}

void MainForm::PressSlot(int slot) {
    // The card of slot i lies at 7 + 85 (i - 1), 167 and is 71 x 96.
    const float centreX = static_cast<float>(7 + 85 * (slot - 1)) + 71 / 2.0f;
    const float centreY = 167 + 96 / 2.0f;
    Form_MouseDown(static_cast<int>(Qt::LeftButton), 0, centreX, centreY);
    Form_Click();
}

void MainForm::Form_Click() {
    if (GameOver || Bet == 0 || !GameInProgress) {
        LabelMessage->setText(QStringLiteral("Please bet and start"));
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
        cardlib::SetCardX(TableCards[0], 170);
        cardlib::SetCardY(TableCards[0], 0);
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
        EndGame(*this);
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
        table_->surface().clear();
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
