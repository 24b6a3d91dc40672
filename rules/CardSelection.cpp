// Taking a card from the row: which slot a press hits, the suit-or-value rule, card points, and
// what follows a used-up deck or a row with nothing to take.
#include "rules/CardSelection.h"

#include <cmath>

#include "cardlib/CardLib.h"
#include "files/FileObject.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Betting.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Poker.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableGeometry.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/NamedControls.h"

namespace zarvelo {

int SlotAt(Counter x) {
    for (int i = 1; i <= 5; ++i) {
        const int left = SlotOrigin(i).x();
        if (x >= left && x <= left + cardlib::kCardWidth) return i;
    }
    return 0;
}

int CardPointMultiplier(int n) {
    switch (n) {
        case 10: return 1;
        case 13:
        case 16:
        case 19: return 2;
        case 22:
        case 25:
        case 28: return 3;
        case 31:
        case 34:
        case 37: return 4;
        case 40:
        case 43:
        case 46: return 5;
        case 49: return 6;
        case 50: return 7;
        case 51: return 8;
        case 52: return 500;
        default: return 0;
    }
}

void RecordPress(float x, float y) {
    GameState& s = RulesState();
    // Halves go to the even neighbour (the default rounding mode).
    s.ClickX = static_cast<Counter>(std::nearbyint(x));
    s.ClickY = static_cast<Counter>(std::nearbyint(y));
}

void TakeCardAtPress() {
    GameState& s = RulesState();
    if (s.GameOver || s.Bet == 0 || !s.GameInProgress) {
        Controls().LabelMessage->setText(kPleaseBetAndStart);
        return;
    }
    if (s.ClickY < kRowTop || s.ClickY > kRowBottom) return;
    const int slot = SlotAt(s.ClickX);
    if (slot == 0) return;

    if (Accepts(s, s.TableCards[0], s.TableCards[slot])) {
        if (s.FirstSelection) {
            s.FirstSelection = false;
            Controls().LabelMessage->setText(QString());
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

void AwardCardPoints() {
    GameState& s = RulesState();
    const int multiplier = CardPointMultiplier(s.CardsInStage());
    if (multiplier == 0) return;
    s.Win = SaturatingAdd(s.Win, SaturatingMul(SaturatingMul(s.Stage, multiplier), s.Bet));
}

void RedealTable() {
    DealTable();
    RefreshTable();
}

void ClearStage() {
    GameState& s = RulesState();
    s.StageCleared = true;
    platform::PlayWave(platform::Sound::StageClear);
    platform::ShowMessageBox(QStringLiteral("You did it!! Try next game!"));
    s.Stage = SaturatingAdd(s.Stage, 1);
    RedealTable();
}

void EndGame() {
    GameState& s = RulesState();
    NamedControls& c = Controls();
    platform::PlayWave(platform::Sound::GameOver);
    c.LabelMessage->setText(kGameOverMessage);
    s.Credit = SaturatingAdd(s.Credit, s.Win);
    s.PlayerRecord.GamesPlayed = SaturatingAdd(s.PlayerRecord.GamesPlayed, 1);
    if (s.TotalCards > s.HiScore) {
        s.HiScore = s.TotalCards;
        c.LabelHiscore->setText(QString::number(s.HiScore));
    }
    if (s.GameCards > s.Ranking[kRankingSize - 1].Cards) EnterRanking(s);
    // The finished game is on the disk before anything can end the program.
    CopyStateToRecord(s);
    SaveRecordAndRanking(s.PlayerName, s.PlayerRecord, s.Ranking);
    s.Stage = 1;
    s.GameOver = true;
    s.GameInProgress = false;
    s.StageCleared = false;
    for (QPushButton* button : c.BettingButtons()) button->show();
    c.CommandBet->setEnabled(true);
    c.CommandRepeatBet->setEnabled(true);
}

}  // namespace zarvelo
