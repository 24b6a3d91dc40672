// What the rules report while they change the game. Each event reaches the sink the moment it
// happens, so whoever shows the game reads the state as it was then; the rule also returns the
// whole list in order.
#pragma once

#include <QString>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Sounds.h"
#include "state/GameState.h"

namespace zarvelo {

// What the screen must show anew, read from the state when it is told.
enum class Show {
    Status,            // the status labels, the message line and the caption
    CardPoints,        // the "Card Point" panel for the cards taken in the stage
    PointValues,       // the point values as scaled to the stake
    PokerTable,        // the prizes and the hands counted
    Panels,            // status, point values, card chart and poker table
    FullCardChart,     // every rank listed again
    Table,             // status, card chart, frames and the cards as they lie
    Cards,             // the cards as they lie, nothing else
    ClearedTable,      // the table cleared to black
    IdleTable,         // the waiting table: slot marks and the betting buttons
    RepaintNow,        // everything painted and on screen at once
    HiScore,           // the high score label
    BettingButtons,    // staking: "1 Bet" and "Start" usable, "RepeatBet" not
    PlayingButtons,    // a game is on: the betting buttons hidden
    ButtonsAfterGame,  // a game is over: all three buttons usable
};

// Why money moved. A stake moves credit into the bet; points and prizes add to the win, which a
// game over pays into the credit; bankruptcy gives a fresh credit.
enum class Money { Stake, CardPoints, PokerPrize, WinPaid, Bankruptcy };

// Why a press took no card.
enum class Refusal { NoGame, OutsideRow, NoMatch };

enum class EventKind {
    Sound,
    Box,          // text, title and icon; its only answer is OK
    MessageLine,  // text written straight into the message line
    Show,
    Money,                 // money and amount; text: a poker prize's hand
    PickRefused,           // refusal; amount: the slot of a card that does not match
    StageCleared,          // amount: the stage now played
    GameOver,              // amount: the win paid
    SaveRecordAndRanking,  // the player, the record and the ranking
    SavePlayerFiles,       // the player and the record
    ReportDataProblems,    // what the data files' reading met, if anything
    PlayerChanged,         // text: the incoming player
};

struct Event {
    EventKind kind = EventKind::Show;
    platform::Sound sound = platform::Sound::UnitStaked;
    Show show = Show::Status;
    Money money = Money::Stake;
    Refusal refusal = Refusal::NoGame;
    platform::MessageIcon icon = platform::MessageIcon::None;
    Counter amount = 0;
    QString text{}, title{};
    PlayerRecordType record{};
    RankingTable ranking{};
};

// Plays events as they happen: the window shows and sounds them, a test or a fuzzer checks them.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void Play(const Event& event) = 0;
};

// The events of one input: each goes to the sink at once and is kept for the list.
class Events {
public:
    Events() = default;
    explicit Events(EventSink& sink) : sink_(&sink) {}

    void Report(Event event);
    void Sound(platform::Sound sound);
    void Box(const QString& text, const QString& title = QString(),
             platform::MessageIcon icon = platform::MessageIcon::None);
    void MessageLine(const QString& text);
    void Screen(Show what);
    // A poker prize names its hand.
    void MoneyMoved(Money why, Counter amount, const QString& hand = QString());
    // A card that does not match names its slot.
    void PickRefused(Refusal why, int slot = 0);
    // A save of the player's record (and, for SaveRecordAndRanking, the ranking) as they stand.
    void SaveWanted(EventKind kind, const QString& player, const GameState& s);

    const std::vector<Event>& List() const { return list_; }
    std::vector<Event> Take() { return std::move(list_); }

private:
    EventSink* sink_ = nullptr;
    std::vector<Event> list_;
};

}  // namespace zarvelo
