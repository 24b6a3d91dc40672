// The player record copies and the insertion of a finished game into the ranking.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "tables/PlayerData.h"
#include "tests/TestState.h"

namespace zarvelo {
namespace {

class RankingTest : public ::testing::Test {
protected:
    void SetUp() override {
        TheGame().reset();
        platform::SetToday(QDate(2026, 12, 7));
    }
    void TearDown() override { platform::SetToday(QDate()); }

    static void SetCards(std::array<Counter, 5> cards) {
        for (int i = 0; i < 5; ++i)
            S().Ranking[i] = {cards[i], 1, cards[i], QString("P%1").arg(i + 1), QDate(1998, 12, 3)};
    }
    static std::array<Counter, 5> Cards() {
        std::array<Counter, 5> c{};
        for (int i = 0; i < 5; ++i) c[i] = S().Ranking[i].Cards;
        return c;
    }
};

TEST_F(RankingTest, InsertionKeepsOrderAndEarlierEntriesOnTies) {
    struct Case {
        const char* name;
        std::array<Counter, 5> before;
        Counter game;
        std::array<Counter, 5> after;
        int position;
    };
    const Case cases[] = {
        {"first game on a default ranking", {0, 0, 0, 0, 0}, 7, {7, 0, 0, 0, 0}, 1},
        {"below the equal ones", {30, 20, 20, 10, 5}, 20, {30, 20, 20, 20, 10}, 4},
        {"equal to the fifth", {30, 20, 20, 10, 5}, 5, {30, 20, 20, 10, 5}, 0},
        {"into the fifth place", {30, 20, 20, 10, 5}, 6, {30, 20, 20, 10, 6}, 5},
        {"a new best", {30, 20, 20, 10, 5}, 31, {31, 30, 20, 20, 10}, 1},
        {"zero cards never enter", {0, 0, 0, 0, 0}, 0, {0, 0, 0, 0, 0}, 0},
        {"out of order: highest beaten place", {5, 40, 3, 50, 1}, 10, {10, 5, 40, 3, 50}, 1},
        {"out of order, beating only lower ones", {50, 5, 60, 3, 70}, 10, {50, 10, 5, 60, 3}, 2},
    };
    for (const Case& c : cases) {
        SetCards(c.before);
        S().GameCards = c.game;
        S().TotalCards = c.game + 1;
        S().Stage = 2;
        S().PlayerName = "Taro";
        EnterRanking(S());
        EXPECT_EQ(Cards(), c.after) << c.name;
        if (c.position > 0) {
            const RankingEntry& e = S().Ranking[c.position - 1];
            EXPECT_EQ(e.PlayerName, "Taro") << c.name;
            EXPECT_EQ(e.Stage, 2);
            EXPECT_EQ(e.Score, c.game + 1);
            EXPECT_EQ(e.Date, QDate(2026, 12, 7));
        }
    }
}

TEST_F(RankingTest, EqualResultsKeepTheirOrder) {
    SetCards({30, 20, 20, 10, 5});
    S().GameCards = 20;
    EnterRanking(S());
    EXPECT_EQ(S().Ranking[1].PlayerName, "P2");
    EXPECT_EQ(S().Ranking[2].PlayerName, "P3");
    EXPECT_EQ(S().Ranking[4].PlayerName, "P4");
}

TEST_F(RankingTest, DefaultRankingAndFreshRecord) {
    MakeDefaultRanking(S());
    for (const RankingEntry& e : S().Ranking) {
        EXPECT_EQ(e.Cards, 0);
        EXPECT_EQ(e.Stage, 1);
        EXPECT_EQ(e.Score, 0);
        EXPECT_EQ(e.PlayerName, "NewPlayer");
        EXPECT_EQ(e.Date, QDate(2026, 12, 7));
    }
    S().PlayerRecord = {"Old", 5, 3, 40};
    ResetRecordForNewPlayer(S());
    EXPECT_EQ(S().PlayerRecord.Name, "NewPlayer");
    EXPECT_EQ(S().PlayerRecord.Credit, 100);
    EXPECT_EQ(S().PlayerRecord.BankruptCount, 0);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 1);
}

TEST_F(RankingTest, RecordCopiesLeaveGamesPlayedAlone) {
    S().PlayerName = "Taro";
    S().Credit = 87;
    S().BankruptCount = 2;
    S().PlayerRecord.GamesPlayed = 12;
    CopyStateToRecord(S());
    EXPECT_EQ(S().PlayerRecord.Name, "Taro");
    EXPECT_EQ(S().PlayerRecord.Credit, 87);
    EXPECT_EQ(S().PlayerRecord.BankruptCount, 2);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 12);
    S().PlayerRecord = {"Hanako", 40, 1, 3};
    CopyRecordToState(S());
    EXPECT_EQ(S().PlayerName, "Hanako");
    EXPECT_EQ(S().Credit, 40);
    EXPECT_EQ(S().BankruptCount, 1);
}

}  // namespace
}  // namespace zarvelo
