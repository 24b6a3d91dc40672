// The game's state: every variable of the game with its start value, and the small types it is
// made of.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

namespace zarvelo {

using Counter = std::int32_t;
using CardNumber = std::int32_t;  // 1 to 52; 0 is no card

struct PlayerRecordType {
    QString Name;
    Counter Credit = 0;
    Counter BankruptCount = 0;
    Counter GamesPlayed = 0;
};

struct RankingEntry {
    Counter Cards = 0;
    Counter Stage = 0;
    Counter Score = 0;
    QString PlayerName;
    QDate Date;
};

inline constexpr int kCardsInDeck = 52;
inline constexpr int kDeckSize = 57;   // 52 cards and five empty draws
inline constexpr int kTableSlots = 6;  // slot 0 is the current card
inline constexpr int kPointRows = 17;
inline constexpr int kPokerHands = 5;
inline constexpr int kRankingSize = 5;

// A player who has no record yet, and a ranking place nobody has taken.
inline const QString kNewPlayerName = QStringLiteral("NewPlayer");
inline constexpr Counter kNewPlayerCredit = 100;
inline PlayerRecordType NewPlayerRecord() { return {kNewPlayerName, kNewPlayerCredit, 0, 1}; }
inline RankingEntry EmptyRankingEntry(const QDate& date) { return {0, 1, 0, kNewPlayerName, date}; }

using RankingTable = std::array<RankingEntry, kRankingSize>;

// Every variable of the game, as the fields of one value. The game object holds the one value of
// the program; only the rules change it, and everything else reads it.
struct GameState {
    // Player and money
    QString PlayerName;
    QString PreviousPlayerName;
    Counter Credit = 0;
    Counter BankruptCount = 0;
    Counter Bet = 0;
    Counter LastBet = 0;
    Counter Win = 0;

    // Game progress
    Counter Stage = 0;
    Counter DeckPosition = 0;
    Counter GameCards = 0;
    Counter TotalCards = 0;
    Counter HiScore = 0;

    // Flags
    bool FirstSelection = false;
    bool PlayableExists = false;
    bool StageCleared = false;
    bool GameOver = false;
    bool GameInProgress = false;

    // Cards
    std::array<CardNumber, kDeckSize> Deck{};
    std::array<CardNumber, kTableSlots> TableCards{};
    std::array<std::array<QChar, 13>, 4> CardChart{};  // [suit - 1][value - 1]

    // Tables
    std::array<Counter, kPointRows> PointRate{};
    std::array<QString, kPointRows> PointRange;
    std::array<Counter, kPointRows> PointValue{};
    std::array<Counter, kPokerHands> PokerPrize{};
    std::array<Counter, kPokerHands> PokerCount{};
    PlayerRecordType PlayerRecord;
    RankingTable Ranking;

    // Display and input
    QString MainCaption;
    QString MessageText;
    Counter ClickX = 0;
    Counter ClickY = 0;

    // Cards taken in the current stage: every stage before it took a whole deck.
    Counter CardsInStage() const { return GameCards - (Stage - 1) * kCardsInDeck; }
};

// Counter arithmetic that saturates instead of overflowing.
Counter SaturatingAdd(Counter a, Counter b);
Counter SaturatingMul(Counter a, Counter b);

}  // namespace zarvelo
