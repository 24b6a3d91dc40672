// The betting handlers step by step: "1 Bet", "Start" and "RepeatBet", in every state they meet.
#include "tests/HandlerSteps.h"

namespace zarvelo::testing {
namespace {

TEST_F(HandlerStepsTest, GameOverSoundsThenShowsThenPaysThenRecordsThenGivesTheButtonsBack) {
    MainForm& f = LoseWithAFullHouse();
    EXPECT_EQ(Events(),
              QStringList({"sound keybd1.wav", "sound keybd1.wav", "sound keybd1.wav", "shuffle",
                           "sound crystal.wav", "sound floop_be.wav", "sound boingg.wav"}));
    const Moment& boing = At("sound boingg.wav");
    EXPECT_EQ(boing.label, "Full House");  // the pick's refresh
    EXPECT_EQ(boing.credit, 97);
    EXPECT_EQ(boing.win, 15);
    EXPECT_EQ(boing.recordCredit, 100);
    EXPECT_FALSE(boing.gameOver);
    EXPECT_EQ(boing.buttons, kPlaying);

    // The line is written directly; the message stays for the next refresh.
    EXPECT_EQ(f.LabelMessage->text(), "Game Over");
    EXPECT_EQ(S().MessageText, "Full House");
    EXPECT_EQ(S().Credit, 112);
    EXPECT_EQ(S().PlayerRecord.Credit, 112);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 2);
    EXPECT_EQ(S().HiScore, 1);
    EXPECT_EQ(f.LabelHiscore->text(), "1");
    EXPECT_EQ(S().Ranking[0].Cards, 1);
    EXPECT_EQ(S().Ranking[0].Score, 1);
    EXPECT_EQ(S().Ranking[0].Stage, 1);
    EXPECT_EQ(S().Stage, 1);
    EXPECT_TRUE(S().GameOver);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_FALSE(S().StageCleared);
    EXPECT_EQ(Buttons(f), kAfterGame);
    EXPECT_EQ(S().Bet, 3);
    EXPECT_EQ(S().Win, 15);

    // A repaint brings the message and the new credit back, and keeps the buttons.
    f.Form_Paint();
    EXPECT_EQ(f.LabelMessage->text(), "Full House");
    EXPECT_EQ(f.LabelCredit->text(), "112");
    EXPECT_EQ(Buttons(f), kAfterGame);
    EXPECT_TRUE(ShowsFace(f, QPoint(177, 7)));
}

TEST_F(HandlerStepsTest, BetAfterAGameOverClearsTheOldGameThenStakesWithItsSound) {
    MainForm& f = LoseWithAFullHouse();
    Forget();
    const QImage idle = IdleTable();
    Press(f.CommandBet);
    EXPECT_EQ(Events(), QStringList({"sound keybd1.wav"}));
    const Moment& click = At("sound keybd1.wav");
    EXPECT_EQ(click.bet, 1);
    EXPECT_EQ(click.credit, 111);
    EXPECT_EQ(click.win, 0);
    EXPECT_FALSE(click.gameOver);
    EXPECT_FALSE(click.inProgress);
    EXPECT_TRUE(click.firstSelection);
    EXPECT_EQ(click.label, kBetAndStart);  // the waiting table came first
    EXPECT_EQ(click.buttons, kBetting);

    EXPECT_EQ(f.LabelBet->text(), "1");
    EXPECT_EQ(f.LabelCredit->text(), "111");
    EXPECT_EQ(f.LabelWin->text(), "0");
    EXPECT_EQ(f.LabelMessage->text(), S().MessageText);  // the panels' refresh came last
    EXPECT_EQ(S().GameCards, 0);
    EXPECT_EQ(f.LabelNumberOfCards->text(), "0");
    EXPECT_EQ(Buttons(f), kBetting);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
    EXPECT_EQ(f.table()->surface().image(), idle);  // no current card left over
    const char* prizes[] = {"500", "20", "10", "5", "1"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(f.LabelPorkerPoint[k]->text(), prizes[k]) << k;
        EXPECT_EQ(f.LabelPorkerScore[k]->text(), "0") << k;  // the full house is forgotten
    }
    EXPECT_EQ(f.LabelPointValue[0]->text(), "114");
    EXPECT_EQ(S().PlayerRecord.Credit, 112);  // stakes reach the record at the next game over

    Forget();
    Press(f.CommandBet);
    EXPECT_EQ(Events(), QStringList({"sound keybd1.wav"}));
    EXPECT_EQ(f.LabelBet->text(), "2");
    EXPECT_EQ(f.LabelPorkerPoint[0]->text(), "1000");
    EXPECT_EQ(f.LabelPorkerPoint[4]->text(), "2");
    EXPECT_EQ(f.LabelPointValue[0]->text(), "228");
    EXPECT_EQ(f.LabelPointValue[6]->text(), "2");
    EXPECT_EQ(Buttons(f), kBetting);
    EXPECT_FALSE(S().GameInProgress);
}

TEST_F(HandlerStepsTest, EveryButtonWithNoCreditLeftGoesBankruptBeforeAnythingElse) {
    const char* names[] = {"1 Bet", "Start", "RepeatBet"};
    for (int b = 0; b < 3; ++b) {
        SCOPED_TRACE(names[b]);
        Fresh();
        MainForm& f = StartUp();
        DealNext(
            {{CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5), CardOf(2, 9)}});
        Press(f.CommandBet);
        Press(f.CommandNextGame);
        S().Credit = 0;
        Pick(1);
        ASSERT_TRUE(S().GameOver);
        ASSERT_EQ(S().Credit, 0);
        Forget();
        Press(b == 0 ? f.CommandBet : b == 1 ? f.CommandNextGame : f.CommandRepeatBet);
        EXPECT_EQ(Events(), QStringList({"box " + kBankruptText}));
        const Moment& box = At("box " + kBankruptText);
        EXPECT_EQ(box.credit, 0);
        EXPECT_EQ(box.bankruptCount, 0);
        EXPECT_EQ(box.bet, 0);
        EXPECT_EQ(box.win, 0);
        EXPECT_EQ(S().Credit, 100);
        EXPECT_EQ(S().BankruptCount, 1);
        EXPECT_EQ(S().Bet, 0);
        EXPECT_EQ(f.LabelCredit->text(), "100");
        EXPECT_EQ(f.LabelBet->text(), "0");
        EXPECT_FALSE(S().GameInProgress);
        EXPECT_FALSE(S().GameOver);
        EXPECT_EQ(S().DeckPosition, 6);  // no deal
        EXPECT_EQ(Buttons(f), kAfterGame);
        Press(f.CommandBet);
        EXPECT_EQ(S().Bet, 1);
        EXPECT_EQ(S().Credit, 99);
    }
}

TEST_F(HandlerStepsTest, StartShowsThePromptDealsChecksTheRowThenPlaysItsSound) {
    struct Case {
        const char* name;
        std::vector<CardNumber> row;
        const char* hand;
        int prize;
        int k;
    };
    const Case cases[] = {
        {"royal",
         {CardOf(4, 12), CardOf(4, 1), CardOf(4, 10), CardOf(4, 13), CardOf(4, 11)},
         "Royal Straight Flush",
         500,
         0},
        {"straight flush",
         {CardOf(2, 9), CardOf(2, 10), CardOf(2, 11), CardOf(2, 12), CardOf(2, 13)},
         "Straight Flush",
         20,
         1},
        {"four",
         {CardOf(2, 8), CardOf(1, 8), CardOf(1, 3), CardOf(3, 8), CardOf(4, 8)},
         "4 Cards",
         10,
         2},
        {"full house",
         {CardOf(2, 4), CardOf(1, 4), CardOf(4, 12), CardOf(3, 12), CardOf(2, 12)},
         "Full House",
         5,
         3},
        {"flush", kHeartsFlush, "Flush", 1, 4},
        {"nothing", kDull, "", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = StartUp();
        DealNext({c.row});
        Press(f.CommandBet);
        Press(f.CommandBet);
        Forget();
        Press(f.CommandNextGame);
        EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
        const Moment& shuffle = At("shuffle");
        EXPECT_EQ(shuffle.label, kSelectFirst);
        EXPECT_EQ(shuffle.message, kSelectFirst);
        EXPECT_EQ(shuffle.buttons, kPlaying);
        EXPECT_EQ(shuffle.lastBet, 2);
        EXPECT_TRUE(shuffle.inProgress);
        EXPECT_TRUE(shuffle.firstSelection);
        const Moment& chime = At("sound crystal.wav");
        EXPECT_EQ(chime.deckPosition, 5);
        EXPECT_EQ(chime.win, 2 * c.prize);
        EXPECT_EQ(chime.label, c.hand);  // the table was refreshed after the check

        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(S().TableCards[i], c.row[i - 1]) << i;
            EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
            EXPECT_TRUE(ShowsFace(f, QPoint(SlotLeft(i), 167))) << i;
        }
        EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
        EXPECT_EQ(S().Win, 2 * c.prize);
        EXPECT_EQ(f.LabelWin->text(), QString::number(2 * c.prize));
        EXPECT_EQ(S().MessageText, c.hand);
        EXPECT_EQ(f.LabelMessage->text(), c.hand);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(S().PokerCount[k], k == c.k ? 1 : 0) << k;
        EXPECT_EQ(Buttons(f), kPlaying);
        EXPECT_EQ(S().Bet, 2);
        EXPECT_EQ(S().Credit, 98);
    }
}

TEST_F(HandlerStepsTest, StartAndRepeatBetAfterAGameOverRestakeWithoutTheStakeSound) {
    const char* names[] = {"Start", "RepeatBet"};
    for (int b = 0; b < 2; ++b) {
        SCOPED_TRACE(names[b]);
        Fresh();
        MainForm& f = LoseWithAFullHouse();
        ASSERT_EQ(S().Credit, 112);
        Forget();
        Press(b == 0 ? f.CommandNextGame : f.CommandRepeatBet);
        EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
        const Moment& shuffle = At("shuffle");
        EXPECT_EQ(shuffle.bet, 3);
        EXPECT_EQ(shuffle.credit, 109);
        EXPECT_EQ(shuffle.win, 0);
        EXPECT_FALSE(shuffle.gameOver);
        EXPECT_EQ(shuffle.label, kSelectFirst);
        EXPECT_EQ(shuffle.buttons, kPlaying);
        EXPECT_EQ(S().Bet, 3);
        EXPECT_EQ(S().Credit, 109);
        EXPECT_EQ(S().LastBet, 3);
        EXPECT_EQ(S().Win, 0);
        EXPECT_EQ(f.LabelWin->text(), "0");
        EXPECT_EQ(f.LabelBet->text(), "3");
        EXPECT_EQ(f.LabelCredit->text(), "109");
        EXPECT_EQ(f.LabelPorkerPoint[0]->text(), "1500");
        EXPECT_EQ(f.LabelPorkerScore[3]->text(), "0");
        EXPECT_EQ(f.LabelPointValue[0]->text(), "342");
        EXPECT_EQ(S().GameCards, 0);
        EXPECT_EQ(S().DeckPosition, 5);
        EXPECT_EQ(S().TableCards[1], kDull[0]);
        EXPECT_EQ(f.LabelMessage->text(), "");
        EXPECT_EQ(Buttons(f), kPlaying);
    }
}

TEST_F(HandlerStepsTest, RepeatBetAndStartWithNothingToRepeatDoNothing) {
    MainForm& f = StartUp();
    f.CommandRepeatBet_Click();  // disabled on the screen, but not by itself
    f.CommandNextGame_Click();
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(S().Credit, 100);
    EXPECT_EQ(S().Bet, 0);
    EXPECT_EQ(S().DeckPosition, 0);
    EXPECT_EQ(Buttons(f), kBetting);
    EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
}

}  // namespace
}  // namespace zarvelo::testing
