// Every shared variable of the game, with its start value; all modules read and write these by
// name.
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

// Player and money
inline QString PlayerName;
inline QString PreviousPlayerName;
inline Counter Credit = 0;
inline Counter BankruptCount = 0;
inline Counter Bet = 0;
inline Counter LastBet = 0;
inline Counter Win = 0;

// Game progress
inline Counter Stage = 0;
inline Counter DeckPosition = 0;
inline Counter GameCards = 0;
inline Counter TotalCards = 0;
inline Counter HiScore = 0;

// Flags
inline bool FirstSelection = false;
inline bool PlayableExists = false;
inline bool StageCleared = false;
inline bool GameOver = false;
inline bool GameInProgress = false;

// Cards
inline std::array<CardNumber, kDeckSize> Deck{};
inline std::array<CardNumber, kTableSlots> TableCards{};
inline std::array<std::array<QChar, 13>, 4> CardChart{};  // [suit - 1][value - 1]

// Tables
inline std::array<Counter, kPointRows> PointRate{};
inline std::array<QString, kPointRows> PointRange;
inline std::array<Counter, kPointRows> PointValue{};
inline std::array<Counter, kPokerHands> PokerPrize{};
inline std::array<Counter, kPokerHands> PokerCount{};
inline PlayerRecordType PlayerRecord;
inline std::array<RankingEntry, kRankingSize> Ranking;

// Display and input
inline QString MainCaption;
inline QString MessageText;
inline Counter ClickX = 0;
inline Counter ClickY = 0;

// Puts every variable back to the value it has before start-up (zeros, false, empty).
void ResetGameState();

// Cards taken in the current stage: every stage before it took a whole deck.
inline Counter CardsInStage() { return GameCards - (Stage - 1) * kCardsInDeck; }

// Counter arithmetic that saturates instead of overflowing.
Counter SaturatingAdd(Counter a, Counter b);
Counter SaturatingMul(Counter a, Counter b);

}  // namespace zarvelo
