// Taking a card from the row: which slot a press hits, the suit-or-value rule, card points, and
// what follows a used-up deck or a row with nothing to take.
#include "rules/CardSelection.h"

#include <cmath>

#include "cardlib/CardLib.h"
#include "rules/Dealing.h"
#include "rules/Messages.h"
#include "rules/Poker.h"
#include "rules/TableGeometry.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"

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

void RecordPress(Game& game, float x, float y) {
    GameState& s = game.rulesState();
    // Halves go to the even neighbour (the default rounding mode).
    s.ClickX = static_cast<Counter>(std::nearbyint(x));
    s.ClickY = static_cast<Counter>(std::nearbyint(y));
}

void TakeCardAtPress(GameState& s, Events& out) {
    if (s.GameOver || s.Bet == 0 || !s.GameInProgress) {
        out.MessageLine(kPleaseBetAndStart);
        out.PickRefused(Refusal::NoGame);
        return;
    }
    const int slot = s.ClickY < kRowTop || s.ClickY > kRowBottom ? 0 : SlotAt(s.ClickX);
    if (slot == 0) {
        out.PickRefused(Refusal::OutsideRow);
        return;
    }

    if (Accepts(s, s.TableCards[0], s.TableCards[slot])) {
        if (s.FirstSelection) {
            s.FirstSelection = false;
            out.MessageLine(QString());
        }
        out.Sound(platform::Sound::CardTaken);
        s.TableCards[0] = s.TableCards[slot];
        // The library keeps no card positions: the current card is drawn at its own slot.
        const CardNumber next = s.DeckPosition < kDeckSize ? s.Deck[s.DeckPosition] : 0;
        s.TableCards[slot] = next;
        ++s.DeckPosition;
        s.GameCards = SaturatingAdd(s.GameCards, 1);
        s.TotalCards = SaturatingAdd(s.TotalCards, 1);
        AwardCardPoints(s, out);
        out.Screen(Show::CardPoints);
        EvaluatePokerHand(s, out);
        if (next != 0) {
            s.CardChart[cardlib::GetCardSuit(next) - 1][cardlib::GetCardValue(next) - 1] =
                QLatin1Char(' ');
        }
    } else {
        out.PickRefused(Refusal::NoMatch, slot);
    }
    RefreshTable(s, out);
    if (s.DeckPosition >= kDeckSize) {
        ClearStage(s, out);
    } else if (!s.PlayableExists) {
        EndGame(s, out);
    }
}

std::vector<Event> TakeCardAtPress(Game& game, EventSink& sink) {
    Events out(sink);
    TakeCardAtPress(game.rulesState(), out);
    return out.Take();
}

void AwardCardPoints(GameState& s, Events& out) {
    const int multiplier = CardPointMultiplier(s.CardsInStage());
    if (multiplier == 0) return;
    const Counter before = s.Win;
    s.Win = SaturatingAdd(s.Win, SaturatingMul(SaturatingMul(s.Stage, multiplier), s.Bet));
    out.MoneyMoved(Money::CardPoints, s.Win - before);
}

void RedealTable(GameState& s, Events& out) {
    DealTable(s);
    RefreshTable(s, out);
}

void ClearStage(GameState& s, Events& out) {
    s.StageCleared = true;
    out.Sound(platform::Sound::StageClear);
    out.Box(QStringLiteral("You did it!! Try next game!"));
    s.Stage = SaturatingAdd(s.Stage, 1);
    out.Report({.kind = EventKind::StageCleared, .amount = s.Stage});
    RedealTable(s, out);
}

void EndGame(GameState& s, Events& out) {
    out.Sound(platform::Sound::GameOver);
    out.MessageLine(kGameOverMessage);
    const Counter before = s.Credit;
    s.Credit = SaturatingAdd(s.Credit, s.Win);
    out.MoneyMoved(Money::WinPaid, s.Credit - before);
    s.PlayerRecord.GamesPlayed = SaturatingAdd(s.PlayerRecord.GamesPlayed, 1);
    if (s.TotalCards > s.HiScore) {
        s.HiScore = s.TotalCards;
        out.Screen(Show::HiScore);
    }
    if (s.GameCards > s.Ranking[kRankingSize - 1].Cards) EnterRanking(s);
    // The finished game is on the disk before anything can end the program.
    CopyStateToRecord(s);
    out.SaveWanted(EventKind::SaveRecordAndRanking, s.PlayerName, s);
    s.Stage = 1;
    s.GameOver = true;
    s.GameInProgress = false;
    s.StageCleared = false;
    out.Report({.kind = EventKind::GameOver, .amount = s.Win});
    out.Screen(Show::ButtonsAfterGame);
}

}  // namespace zarvelo
