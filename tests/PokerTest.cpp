// Poker hands on the table: every five-card row of the deck, slot order, empty slots and payment.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "cardlib/CardLib.h"
#include "rules/Poker.h"
#include "tables/PointTables.h"
#include "tests/TestState.h"

namespace zarvelo {
namespace {

// Card numbers by suit (1 clubs .. 4 spades) and value (1 ace .. 13 king).
constexpr auto C = cardlib::CardOf;

PokerHand Classify(std::array<CardNumber, 5> row) {
    for (int i = 0; i < 5; ++i) S().TableCards[i + 1] = row[i];
    return ClassifyTable(S());
}

TEST(Poker, EveryRowOfTheDeckHasTheKnownFrequencies) {
    TheGame().reset();
    std::map<PokerHand, long> counts;
    std::array<CardNumber, 5> row{};
    for (row[0] = 1; row[0] <= 48; ++row[0])
        for (row[1] = row[0] + 1; row[1] <= 49; ++row[1])
            for (row[2] = row[1] + 1; row[2] <= 50; ++row[2])
                for (row[3] = row[2] + 1; row[3] <= 51; ++row[3])
                    for (row[4] = row[3] + 1; row[4] <= 52; ++row[4]) ++counts[Classify(row)];
    EXPECT_EQ(counts[PokerHand::RoyalStraightFlush], 4);
    EXPECT_EQ(counts[PokerHand::StraightFlush], 36);
    EXPECT_EQ(counts[PokerHand::FourCards], 624);
    EXPECT_EQ(counts[PokerHand::FullHouse], 3744);
    EXPECT_EQ(counts[PokerHand::Flush], 5108);
    EXPECT_EQ(counts[PokerHand::None], 2598960 - 4 - 36 - 624 - 3744 - 5108);
}

struct HandCase {
    const char* name;
    std::array<CardNumber, 5> row;
    PokerHand hand;
};

const HandCase kHands[] = {
    {"royal flush",
     {C(3, 10), C(3, 11), C(3, 12), C(3, 13), C(3, 1)},
     PokerHand::RoyalStraightFlush},
    {"ace to five", {C(1, 1), C(1, 2), C(1, 3), C(1, 4), C(1, 5)}, PokerHand::StraightFlush},
    {"nine to king", {C(4, 9), C(4, 10), C(4, 11), C(4, 12), C(4, 13)}, PokerHand::StraightFlush},
    {"no wrap past the king", {C(2, 11), C(2, 12), C(2, 13), C(2, 1), C(2, 2)}, PokerHand::Flush},
    {"ten to ace mixed", {C(1, 10), C(2, 11), C(3, 12), C(4, 13), C(1, 1)}, PokerHand::None},
    {"four kings and a two",
     {C(1, 13), C(2, 13), C(3, 13), C(4, 13), C(1, 2)},
     PokerHand::FourCards},
    {"four twos and a king", {C(1, 2), C(2, 2), C(3, 2), C(4, 2), C(1, 13)}, PokerHand::FourCards},
    {"three sevens two fours", {C(1, 7), C(2, 7), C(3, 7), C(1, 4), C(2, 4)}, PokerHand::FullHouse},
    {"two sevens three fours", {C(1, 7), C(2, 7), C(3, 4), C(1, 4), C(2, 4)}, PokerHand::FullHouse},
    {"two pairs", {C(1, 7), C(2, 7), C(3, 4), C(1, 4), C(2, 9)}, PokerHand::None},
    {"three of a kind", {C(1, 7), C(2, 7), C(3, 7), C(1, 4), C(2, 9)}, PokerHand::None},
    {"plain straight", {C(1, 3), C(2, 4), C(3, 5), C(1, 6), C(2, 7)}, PokerHand::None},
    // An empty slot matches nothing: it neither pairs nor completes a hand.
    {"four kings and an empty slot",
     {C(1, 13), C(2, 13), 0, C(3, 13), C(4, 13)},
     PokerHand::FourCards},
    {"four empty slots", {0, 0, C(2, 5), 0, 0}, PokerHand::None},
    {"five empty slots", {0, 0, 0, 0, 0}, PokerHand::None},
    {"three empty slots and a pair", {0, C(1, 9), 0, C(2, 9), 0}, PokerHand::None},
    {"four of a suit and an empty slot", {C(3, 2), C(3, 5), C(3, 9), C(3, 11), 0}, PokerHand::None},
    {"straight flush less one", {C(4, 9), C(4, 10), 0, C(4, 12), C(4, 13)}, PokerHand::None},
    {"royal less one", {C(3, 10), C(3, 11), C(3, 12), 0, C(3, 1)}, PokerHand::None},
    {"full house less one", {C(1, 7), C(2, 7), C(3, 7), 0, C(2, 4)}, PokerHand::None},
    {"three sevens and empties", {C(1, 7), C(2, 7), C(3, 7), 0, 0}, PokerHand::None},
};

TEST(Poker, HandsDoNotDependOnSlotOrder) {
    TheGame().reset();
    for (const HandCase& c : kHands) {
        std::array<CardNumber, 5> row = c.row;
        std::sort(row.begin(), row.end());
        do {
            ASSERT_EQ(Classify(row), c.hand) << c.name;
        } while (std::next_permutation(row.begin(), row.end()));
    }
}

TEST(Poker, RandomRowsKeepTheirHandInEveryOrder) {
    TheGame().reset();
    std::mt19937 random(7);
    std::array<CardNumber, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[i] = i + 1;
    for (int trial = 0; trial < 2000; ++trial) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::array<CardNumber, 5> row{deck[0], deck[1], deck[2], deck[3], deck[4]};
        const PokerHand expected = Classify(row);
        std::sort(row.begin(), row.end());
        do {
            ASSERT_EQ(Classify(row), expected);
        } while (std::next_permutation(row.begin(), row.end()));
    }
}

TEST(Poker, APaidHandIsCountedNamedAndPaidEveryTime) {
    TheGame().reset();
    S().Bet = 3;
    SetPokerPrizes(S());
    struct Case {
        std::array<CardNumber, 5> row;
        int entry;
        const char* name;
        Counter prize;
    };
    const Case cases[] = {
        {{C(3, 10), C(3, 11), C(3, 12), C(3, 13), C(3, 1)}, 0, "Royal Straight Flush", 1500},
        {{C(1, 1), C(1, 2), C(1, 3), C(1, 4), C(1, 5)}, 1, "Straight Flush", 60},
        {{C(1, 13), C(2, 13), C(3, 13), C(4, 13), 0}, 2, "4 Cards", 30},
        {{C(1, 7), C(2, 7), C(3, 7), C(1, 4), C(2, 4)}, 3, "Full House", 15},
        {{C(2, 2), C(2, 5), C(2, 9), C(2, 11), C(2, 13)}, 4, "Flush", 3},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 5; ++i) S().TableCards[i + 1] = c.row[i];
        for (int time = 1; time <= 2; ++time) {
            const Counter before = S().Win;
            Events out;
            EvaluatePokerHand(S(), out);
            EXPECT_EQ(S().Win - before, c.prize) << c.name;
            EXPECT_EQ(S().PokerCount[c.entry], time) << c.name;
            EXPECT_EQ(S().MessageText, c.name);
        }
    }
    const Counter before = S().Win;
    const auto counts = S().PokerCount;
    S().TableCards = {0, C(1, 7), C(2, 7), C(3, 4), C(1, 4), C(2, 9)};
    S().MessageText = "stale";
    Events out;
    EvaluatePokerHand(S(), out);
    EXPECT_EQ(S().Win, before);
    EXPECT_EQ(S().PokerCount, counts);
    EXPECT_TRUE(S().MessageText.isEmpty());
}

}  // namespace
}  // namespace zarvelo
