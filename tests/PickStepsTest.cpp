// Picks, repaints and a stage clear step by step: what is heard, boxed and shown, in order.
#include "tests/HandlerSteps.h"

namespace zarvelo::testing {
namespace {

TEST_F(HandlerStepsTest, TheFirstPickClearsTheLineBeforeItsSoundAndLaterPicksDoNot) {
    MainForm& f = Play(1, {kHeartsFlush[0], kHeartsFlush[1], kHeartsFlush[2], kHeartsFlush[3],
                           kHeartsFlush[4], CardOf(3, 13), CardOf(4, 3)});
    ASSERT_EQ(f.LabelMessage->text(), "Flush");
    Forget();
    Pick(3);  // hearts 7; hearts king comes in and the row is still a flush
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav"}));
    const Moment& first = At("sound floop_be.wav");
    EXPECT_EQ(first.label, "");
    EXPECT_EQ(first.message, "Flush");
    EXPECT_FALSE(first.firstSelection);
    EXPECT_EQ(first.deckPosition, 5);  // the card is taken after the sound
    EXPECT_EQ(S().TableCards[0], CardOf(3, 7));
    EXPECT_EQ(S().TableCards[3], CardOf(3, 13));
    EXPECT_EQ(S().DeckPosition, 6);
    EXPECT_EQ(S().Win, 2);  // the same hand pays again
    EXPECT_EQ(S().PokerCount[4], 2);
    EXPECT_EQ(f.LabelMessage->text(), "Flush");
    EXPECT_EQ(f.LabelWin->text(), "2");
    EXPECT_FALSE(f.LeftCard[2]->text().contains('K'));  // hearts king is out of the deck
    EXPECT_TRUE(f.LeftCard[3]->text().contains('K'));
    EXPECT_TRUE(ShowsFace(f, QPoint(177, 7)));

    Forget();
    Pick(4);  // hearts 9; spades 3 breaks the flush
    const Moment& second = At("sound floop_be.wav");
    EXPECT_EQ(second.label, "Flush");
    EXPECT_EQ(S().MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), "");
    EXPECT_EQ(S().Win, 2);
    EXPECT_EQ(S().PokerCount[4], 2);
}

TEST_F(HandlerStepsTest, EveryAcceptedPickChecksTheRefilledRow) {
    struct Case {
        const char* name;
        std::vector<CardNumber> deck;
        int slot;
        const char* hand;
        int paid;
    };
    const Case cases[] = {
        {"the refill completes a flush",
         {CardOf(3, 2), CardOf(3, 5), CardOf(1, 9), CardOf(3, 9), CardOf(3, 11), CardOf(3, 13)},
         3,
         "Flush",
         2},
        {"the refill completes four of a kind",
         {CardOf(1, 8), CardOf(2, 8), CardOf(3, 8), CardOf(1, 3), CardOf(2, 5), CardOf(4, 8)},
         4,
         "4 Cards",
         20},
        {"the refill completes a full house",
         {CardOf(1, 6), CardOf(2, 6), CardOf(3, 11), CardOf(4, 11), CardOf(2, 3), CardOf(1, 11)},
         5,
         "Full House",
         10},
        {"the refill breaks a flush",
         {kHeartsFlush[0], kHeartsFlush[1], kHeartsFlush[2], kHeartsFlush[3], kHeartsFlush[4],
          CardOf(4, 3)},
         3,
         "",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = Play(2, c.deck);
        const Counter before = S().Win;
        Pick(c.slot);
        ASSERT_EQ(S().TableCards[c.slot], c.deck[5]);
        EXPECT_EQ(S().Win - before, c.paid);
        EXPECT_EQ(S().MessageText, c.hand);
        EXPECT_EQ(f.LabelMessage->text(), c.hand);
        EXPECT_EQ(f.LabelWin->text(), QString::number(S().Win));
    }
}

TEST_F(HandlerStepsTest, AClickWithoutAGameOnlyWritesTheLine) {
    struct Case {
        const char* name;
        std::function<MainForm&()> reach;
    };
    const Case cases[] = {
        {"start-up", [&]() -> MainForm& { return StartUp(); }},
        {"staking",
         [&]() -> MainForm& {
             MainForm& f = StartUp();
             Press(f.CommandBet);
             Press(f.CommandBet);
             return f;
         }},
        {"game over", [&]() -> MainForm& { return LoseWithAFullHouse(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = c.reach();
        S().MessageText = QStringLiteral("kept");
        const auto table = S().TableCards;
        const Counter credit = S().Credit, bet = S().Bet, position = S().DeckPosition;
        const QImage image = f.table()->surface().image().copy();
        Forget();
        for (QPoint at : {QPoint(SlotLeft(2) + 20, 200), QPoint(200, 40)}) {
            f.LabelMessage->setText(QStringLiteral("other"));
            ClickTable(at.x(), at.y());
            EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
            EXPECT_EQ(S().MessageText, "kept");
        }
        EXPECT_TRUE(timeline.empty());
        EXPECT_EQ(S().TableCards, table);
        EXPECT_EQ(S().Credit, credit);
        EXPECT_EQ(S().Bet, bet);
        EXPECT_EQ(S().DeckPosition, position);
        EXPECT_EQ(f.table()->surface().image(), image);
    }
}

TEST_F(HandlerStepsTest, APickThatIsRefusedStillRefreshesAndAMissDoesNothing) {
    MainForm& f = Play(
        1, {CardOf(3, 7), CardOf(1, 2), CardOf(4, 7), CardOf(2, 9), CardOf(3, 13), CardOf(1, 4)});
    Pick(1);  // hearts 7; clubs 4 comes in
    ASSERT_FALSE(S().GameOver);
    const auto table = S().TableCards;
    const Counter cards = S().GameCards;
    const QImage image = f.table()->surface().image().copy();
    Forget();

    f.table()->surface().clear();
    f.LabelMessage->setText(QStringLiteral("stale"));
    Pick(2);  // clubs 2 shares nothing with hearts 7
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(S().TableCards, table);
    EXPECT_EQ(S().GameCards, cards);
    EXPECT_EQ(f.LabelMessage->text(), S().MessageText);
    EXPECT_EQ(f.table()->surface().image(), image);
    EXPECT_FALSE(S().GameOver);

    // Between two cards, or above the row: nothing at all.
    for (QPoint at : {QPoint(SlotLeft(2) - 3, 200), QPoint(SlotLeft(3) + 20, 159)}) {
        f.table()->surface().clear();
        f.LabelMessage->setText(QStringLiteral("stale"));
        ClickTable(at.x(), at.y());
        EXPECT_EQ(f.LabelMessage->text(), "stale");
        EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
    }
    EXPECT_TRUE(timeline.empty());
    EXPECT_EQ(S().TableCards, table);
}

TEST_F(HandlerStepsTest, ARepaintShowsTheWaitingTableOnlyBeforeAGameIsDealt) {
    struct Case {
        const char* name;
        std::function<MainForm&()> reach;
        bool waiting;
    };
    const Case cases[] = {
        {"start-up", [&]() -> MainForm& { return StartUp(); }, true},
        {"staking",
         [&]() -> MainForm& {
             MainForm& f = StartUp();
             Press(f.CommandBet);
             return f;
         },
         true},
        {"dealt, first pick to come", [&]() -> MainForm& { return Play(1, kDull); }, false},
        {"after a pick",
         [&]() -> MainForm& {
             MainForm& f = Play(1, kDull);
             Pick(1);
             return f;
         },
         false},
        {"game over", [&]() -> MainForm& { return LoseWithAFullHouse(); }, false},
    };
    const QImage idle = IdleTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MainForm& f = c.reach();
        const QString buttons = Buttons(f);
        std::array<bool, 6> frames{};
        for (int i = 1; i <= 5; ++i) frames[i] = f.FrameNotice[i]->isVisible();
        const QImage image = f.table()->surface().image().copy();
        for (QPushButton* b : {f.CommandBet, f.CommandNextGame, f.CommandRepeatBet}) b->hide();
        for (int i = 1; i <= 5; ++i) f.FrameNotice[i]->setVisible(!frames[i]);
        f.LabelMessage->setText(QStringLiteral("stale"));
        f.table()->surface().clear();
        Forget();
        f.Form_Paint();
        if (c.waiting) {
            EXPECT_EQ(f.LabelMessage->text(), kBetAndStart);
            EXPECT_EQ(Buttons(f), buttons);
            for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.FrameNotice[i]->isVisible()) << i;
            EXPECT_EQ(f.table()->surface().image(), idle);
        } else {
            EXPECT_EQ(f.LabelMessage->text(), S().MessageText);
            EXPECT_EQ(Buttons(f), kPlaying);  // hidden above; a repaint does not show them
            for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.FrameNotice[i]->isVisible(), frames[i]) << i;
            EXPECT_EQ(f.table()->surface().image(), image);
        }
        EXPECT_TRUE(timeline.empty());
    }
}

// Fifteen hearts and diamonds in a row, then nothing matches: the card-point panel marks its row
// at the fifteenth pick, and the next stake clears the mark.
TEST_F(HandlerStepsTest, ThePointPanelFollowsThePicksAndANewStakeClearsIt) {
    std::vector<CardNumber> deck = {CardOf(3, 1), CardOf(1, 2), CardOf(4, 3), CardOf(4, 4),
                                    CardOf(1, 6)};
    for (int v = 2; v <= 13; ++v) deck.push_back(CardOf(3, v));
    for (CardNumber card : {CardOf(2, 13), CardOf(2, 12), CardOf(1, 9)}) deck.push_back(card);
    MainForm& f = Play(2, deck);
    const QColor plain(255, 255, 255), marked(255, 192, 192);
    for (int pick = 1; pick <= 14; ++pick) Pick(1);
    ASSERT_EQ(S().GameCards, 14);
    EXPECT_EQ(f.LabelNumberOfCards->text(), "14");
    for (int r = 0; r <= 6; ++r) EXPECT_EQ(f.LabelPoint[r]->textColour(), plain) << r;
    Pick(1);
    ASSERT_TRUE(S().GameOver);
    EXPECT_EQ(S().Win, 2 * 1 + 2 * 2);  // ten and thirteen cards
    EXPECT_EQ(f.LabelPoint[6]->textColour(), marked);
    EXPECT_EQ(f.LabelPointValue[6]->textColour(), marked);
    Press(f.CommandBet);
    for (int r = 0; r <= 6; ++r) {
        EXPECT_EQ(f.LabelPoint[r]->textColour(), plain) << r;
        EXPECT_EQ(f.LabelPointValue[r]->textColour(), plain) << r;
    }
    EXPECT_EQ(f.LabelPoint[6]->text(), "10-12");
    EXPECT_EQ(f.LabelNumberOfCards->text(), "0");
}

TEST_F(HandlerStepsTest, AStageClearThenAGameOverThenANewGame) {
    MainForm& f = StartUp();
    Press(f.CommandBet);
    Press(f.CommandBet);
    Press(f.CommandNextGame);
    ArrangeChainDeal();
    // The next deck: a diamond flush that the deal after a stage clear must not pay, then clubs
    // that make a flush with the fifth pick and end the game.
    const std::vector<CardNumber> diamonds = {CardOf(2, 2), CardOf(2, 4), CardOf(2, 6),
                                              CardOf(2, 8), CardOf(2, 10)};
    std::vector<CardNumber> next = diamonds;
    for (int v : {3, 5, 7, 9, 11}) next.push_back(CardOf(1, v));
    DealNext({next});
    for (int pick = 1; pick <= 51; ++pick) {
        Pick(SlotForPick(pick));
        ASSERT_EQ(S().GameCards, pick);
    }
    ASSERT_TRUE(boxes->calls.empty());
    const Counter winBefore = S().Win;
    const auto countsBefore = S().PokerCount;
    Forget();
    Pick(5);
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav", "sound space152.wav",
                                     "box " + kStageClearText, "shuffle"}));
    const Moment& clear = At("sound space152.wav");
    EXPECT_TRUE(clear.stageCleared);
    EXPECT_EQ(clear.stage, 1);
    EXPECT_EQ(clear.deckPosition, 57);
    EXPECT_EQ(clear.win, winBefore + 500 * 1 * 2);
    EXPECT_EQ(At("box " + kStageClearText).stage, 1);
    EXPECT_EQ(At("shuffle").stage, 2);
    EXPECT_TRUE(At("shuffle").stageCleared);

    EXPECT_EQ(S().Stage, 2);
    EXPECT_TRUE(S().StageCleared);
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_FALSE(S().GameOver);
    EXPECT_EQ(S().DeckPosition, 5);
    EXPECT_EQ(S().GameCards, 52);
    EXPECT_EQ(S().TotalCards, 52);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(S().TableCards[i], diamonds[i - 1]) << i;
        EXPECT_TRUE(f.FrameNotice[i]->isVisible()) << i;
        EXPECT_TRUE(ShowsFace(f, QPoint(SlotLeft(i), 167))) << i;
    }
    EXPECT_FALSE(ShowsFace(f, QPoint(177, 7)));
    // The new row is a flush, and goes unpaid until a pick.
    EXPECT_EQ(S().Win, winBefore + 1000);
    EXPECT_EQ(S().PokerCount, countsBefore);
    EXPECT_EQ(S().MessageText, "");
    EXPECT_EQ(f.LabelMessage->text(), "");
    EXPECT_EQ(f.LabelScore->text(), "52");
    EXPECT_EQ(Buttons(f), kPlaying);
    // The chart lists the new deck: all but the five diamonds on the table.
    for (int suit : {0, 2, 3}) EXPECT_EQ(f.LeftCard[suit]->text().trimmed(), kFullRankList) << suit;
    EXPECT_EQ(f.LeftCard[1]->text().simplified(), "A 3 5 7 9 J Q K");

    for (int slot = 1; slot <= 4; ++slot) {
        Pick(slot);
        EXPECT_EQ(S().MessageText, "") << slot;
        EXPECT_FALSE(S().GameOver) << slot;
    }
    EXPECT_EQ(S().Win, winBefore + 1000);
    const Counter credit = S().Credit;
    ASSERT_EQ(S().PlayerRecord.Credit, 100);
    Forget();
    Pick(5);  // diamonds 10; clubs jack makes a clubs flush and nothing matches
    EXPECT_EQ(Events(), QStringList({"sound floop_be.wav", "sound boingg.wav"}));
    const Moment& boing = At("sound boingg.wav");
    EXPECT_EQ(boing.credit, credit);
    EXPECT_EQ(boing.label, "Flush");
    EXPECT_EQ(boing.stage, 2);
    EXPECT_FALSE(boing.gameOver);
    EXPECT_EQ(boing.recordCredit, 100);
    const Counter won = winBefore + 1000 + 2;
    EXPECT_EQ(S().Win, won);
    EXPECT_EQ(S().Credit, credit + won);
    EXPECT_EQ(S().PlayerRecord.Credit, credit + won);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 2);
    EXPECT_EQ(f.LabelMessage->text(), "Game Over");
    EXPECT_EQ(S().MessageText, "Flush");
    EXPECT_EQ(S().HiScore, 57);
    EXPECT_EQ(f.LabelHiscore->text(), "57");
    EXPECT_EQ(S().Ranking[0].Cards, 57);
    EXPECT_EQ(S().Ranking[0].Stage, 2);
    EXPECT_EQ(S().Ranking[0].Score, 57);
    EXPECT_EQ(S().Ranking[0].PlayerName, "NewPlayer");
    EXPECT_EQ(S().Stage, 1);
    EXPECT_FALSE(S().StageCleared);
    EXPECT_TRUE(S().GameOver);
    EXPECT_FALSE(S().GameInProgress);
    EXPECT_EQ(Buttons(f), kAfterGame);

    Forget();
    Press(f.CommandNextGame);
    EXPECT_EQ(Events(), QStringList({"shuffle", "sound crystal.wav"}));
    EXPECT_EQ(S().Stage, 1);
    EXPECT_EQ(S().GameCards, 0);
    EXPECT_EQ(S().TotalCards, 0);
    EXPECT_FALSE(S().StageCleared);
    EXPECT_EQ(S().Bet, 2);
    EXPECT_EQ(S().Credit, credit + won - 2);
    EXPECT_EQ(S().Win, 0);
    EXPECT_EQ(f.LabelScore->text(), "0");
    EXPECT_EQ(f.LabelNumberOfCards->text(), "0");
    Pick(1);
    EXPECT_EQ(S().GameCards, 1);
    EXPECT_EQ(S().Stage, 1);
}

}  // namespace
}  // namespace zarvelo::testing
