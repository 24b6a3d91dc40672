// Staking credit, starting a game, repeating the last stake and bankruptcy.
#include "rules/Betting.h"

#include <QCoreApplication>

#include "rules/Dealing.h"
#include "rules/Messages.h"
#include "rules/Poker.h"
#include "tables/PointTables.h"

namespace zarvelo {

namespace {

void BetOneUnit(GameState& s, Events& out) {
    if (s.GameOver) ResetAfterGameOver(s);
    if (s.Credit == 0 && s.Bet == 0) {
        GoBankrupt(s, out);
        return;
    }
    if (s.Bet == 0) {
        out.Screen(Show::BettingButtons);
        s.GameInProgress = false;
        s.FirstSelection = true;
        BuildPointTable(s);
        ResetPointTable(s);
        out.Screen(Show::FullCardChart);
        out.Screen(Show::CardPoints);
        SetPokerPrizes(s);
        out.Screen(Show::Panels);
        out.Screen(Show::ClearedTable);
        out.Screen(Show::IdleTable);
        out.Screen(Show::RepaintNow);
    }
    if (s.Credit > 0) {
        ++s.Bet;
        --s.Credit;
        out.MoneyMoved(Money::Stake, 1);
        out.Sound(platform::Sound::UnitStaked);
        SetPokerPrizes(s);
        out.Screen(Show::PokerTable);
        ScalePointValues(s);
        out.Screen(Show::PointValues);
        out.Screen(Show::Panels);
        if (s.Bet == kMaxBet || (s.Credit == 0 && s.Bet > 0)) StartGame(s, out);
    }
}

void StartNextGame(GameState& s, Events& out) {
    if (s.GameOver) ResetAfterGameOver(s);
    if (s.Bet > 0) {
        out.Screen(Show::CardPoints);
        StartGame(s, out);
    } else if (s.LastBet > 0) {
        out.Screen(Show::CardPoints);
        RepeatLastBet(s, out);
    }
}

void RepeatBet(GameState& s, Events& out) {
    if (s.GameOver) ResetAfterGameOver(s);
    if (s.LastBet > 0) {
        out.Screen(Show::CardPoints);
        RepeatLastBet(s, out);
    }
}

}  // namespace

void ResetAfterGameOver(GameState& s) {
    s.Bet = 0;
    s.Win = 0;
    s.GameOver = false;
}

void StartGame(GameState& s, Events& out) {
    s.LastBet = s.Bet;
    out.Screen(Show::PlayingButtons);
    s.MessageText = kSelectFirstCard;
    out.Screen(Show::Status);
    s.FirstSelection = true;
    s.GameInProgress = true;
    DealTable(s);
    EvaluatePokerHand(s, out);
    RefreshTable(s, out);
    out.Sound(platform::Sound::GameStarts);
}

void RepeatLastBet(GameState& s, Events& out) {
    if (s.Bet == 0 && s.Credit == 0) {
        GoBankrupt(s, out);
        return;
    }
    const Counter stake = s.Credit < s.LastBet ? s.Credit : s.LastBet;
    s.Bet = stake;
    s.Credit -= stake;
    out.MoneyMoved(Money::Stake, stake);
    BuildPointTable(s);
    ResetPointTable(s);
    out.Screen(Show::FullCardChart);
    SetPokerPrizes(s);
    out.Screen(Show::PokerTable);
    ScalePointValues(s);
    out.Screen(Show::PointValues);
    out.Screen(Show::Panels);
    StartGame(s, out);
}

void GoBankrupt(GameState& s, Events& out) {
    out.Box(QCoreApplication::translate("Betting", "破産しました。再度ゲームを開始します"));
    s.Bet = 0;
    s.Credit = kCreditAfterBankruptcy;
    s.BankruptCount = SaturatingAdd(s.BankruptCount, 1);
    out.MoneyMoved(Money::Bankruptcy, kCreditAfterBankruptcy);
    out.Screen(Show::Status);
}

std::vector<Event> BetOneUnit(Game& game, EventSink& sink) {
    Events out(sink);
    BetOneUnit(game.rulesState(), out);
    return out.Take();
}

std::vector<Event> StartNextGame(Game& game, EventSink& sink) {
    Events out(sink);
    StartNextGame(game.rulesState(), out);
    return out.Take();
}

std::vector<Event> RepeatBet(Game& game, EventSink& sink) {
    Events out(sink);
    RepeatBet(game.rulesState(), out);
    return out.Take();
}

}  // namespace zarvelo
