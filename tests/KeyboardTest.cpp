// Playing from the keyboard: Enter repeats the bet only while "RepeatBet" can be pressed, and the
// keys 1 to 5 take a card exactly as a click on its slot does.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

class KeyboardTest : public GameFixture {
protected:
    // A key as the window system delivers it: to the focused control, or to the window.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        MainForm& f = MainForm::instance();
        QWidget* target = f.focusWidget() ? f.focusWidget() : &f;
        QTest::keyClick(target, key, modifiers);
    }

    // A row in which slot 1 (hearts 7) ends the game: nothing that follows matches it.
    MainForm& StartWithLosingRow() {
        return StartWithRow({CardOf(3, 7), CardOf(1, 2), CardOf(1, 3), CardOf(1, 4), CardOf(1, 5)},
                            {CardOf(2, 9)});
    }

    struct Snapshot {
        CardNumber current;
        Counter credit, bet;
        bool playing;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot Now() { return {S().TableCards[0], S().Credit, S().Bet, S().GameInProgress}; }
};

TEST_F(KeyboardTest, EnterAndSpaceNeverPressAButtonThatCannotBePressed) {
    // Space still presses a visible button that has the focus, as in any dialog; while the
    // buttons are hidden it must not.
    struct Moment {
        const char* name;
        int stakes;
        bool start;
        std::vector<Qt::Key> keys;
    };
    const Moment moments[] = {
        {"start-up", 0, false, {Qt::Key_Return, Qt::Key_Enter}},  // "RepeatBet" disabled
        {"betting", 2, false, {Qt::Key_Return, Qt::Key_Enter}},   // disabled while staking
        {"playing", 1, true, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}},  // all hidden
    };
    for (const Moment& m : moments) {
        TheGame().reset();
        MainForm& f = StartUp();
        for (int i = 0; i < m.stakes; ++i) Press(f.CommandBet);
        // The worst case: the focus sat on "RepeatBet" when it was hidden or disabled.
        f.CommandRepeatBet->setEnabled(true);
        f.CommandRepeatBet->setFocus();
        if (m.start) {
            Press(f.CommandNextGame);
        } else {
            f.CommandRepeatBet->setEnabled(false);
        }
        const Snapshot before = Now();
        const auto soundsBefore = sounds.size();
        for (Qt::Key key : m.keys) {
            Key(key);
            Key(key, Qt::KeypadModifier);
        }
        EXPECT_TRUE(Now() == before) << m.name;
        EXPECT_EQ(sounds.size(), soundsBefore) << m.name;
        EXPECT_EQ(f.CommandRepeatBet->isVisible(), !m.start) << m.name;
    }
}

TEST_F(KeyboardTest, EnterAfterAGameOverRepeatsTheBetAndThenNothingMore) {
    MainForm& f = StartWithLosingRow();
    S().LastBet = S().Bet = 3;
    S().Credit = 50;
    f.CommandBet->setFocus();
    QTest::keyClick(f.table(), Qt::Key_1);
    ASSERT_TRUE(S().GameOver);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(S().GameInProgress);
    EXPECT_EQ(S().Bet, 3);
    EXPECT_EQ(S().Credit, 47);
    const Snapshot playing = Now();
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Return);
    EXPECT_TRUE(Now() == playing);
    EXPECT_FALSE(f.CommandRepeatBet->isVisible());
}

TEST_F(KeyboardTest, SpaceOnAFocusedButtonPressesIt) {
    MainForm& f = StartUp();
    f.CommandBet->setFocus();
    Key(Qt::Key_Space);
    EXPECT_EQ(S().Bet, 1);
    EXPECT_EQ(S().Credit, 99);
    f.CommandNextGame->setFocus();
    Key(Qt::Key_Space);
    EXPECT_TRUE(S().GameInProgress);
}

TEST_F(KeyboardTest, DigitKeysTakeTheSlotsCardAsAClickOnItsCentreDoes) {
    const std::vector<CardNumber> row = {CardOf(1, 2), CardOf(2, 5), CardOf(3, 9), CardOf(4, 5),
                                         CardOf(2, 11)};
    const std::vector<CardNumber> rest = {CardOf(1, 6), CardOf(3, 12), CardOf(2, 1), CardOf(4, 4)};
    struct Result {
        std::array<CardNumber, 6> table;
        QStringList sounds;
        QString message;
        Counter cards;
    };
    // Takes slot 4, then slot 2 (both fives), then slot 5 (diamonds).
    auto play = [&](bool byKey, bool keypad) {
        TheGame().reset();
        sounds.clear();
        MainForm& f = StartWithRow(row, rest);
        for (int slot : {4, 2, 5}) {
            if (byKey) {
                QTest::keyClick(&f, static_cast<Qt::Key>(Qt::Key_0 + slot),
                                keypad ? Qt::KeypadModifier : Qt::NoModifier);
            } else {
                ClickTable(SlotLeft(slot) + 35, 215);
            }
        }
        Result r{{}, sounds, f.LabelMessage->text(), S().GameCards};
        std::copy(S().TableCards.begin(), S().TableCards.begin() + 6, r.table.begin());
        return r;
    };
    const Result clicked = play(false, false);
    ASSERT_EQ(clicked.cards, 3);
    for (bool keypad : {false, true}) {
        const Result keyed = play(true, keypad);
        EXPECT_EQ(keyed.table, clicked.table) << keypad;
        EXPECT_EQ(keyed.sounds, clicked.sounds) << keypad;
        EXPECT_EQ(keyed.message, clicked.message) << keypad;
        EXPECT_EQ(keyed.cards, clicked.cards) << keypad;
    }
}

TEST_F(KeyboardTest, DigitKeysOutsideAGameAskForABetAndOthersDoNothing) {
    MainForm& f = StartUp();
    f.LabelMessage->setText(QString());
    QTest::keyClick(&f, Qt::Key_3);
    EXPECT_EQ(f.LabelMessage->text(), "Please bet and start");
    Press(f.CommandBet);
    Press(f.CommandNextGame);
    const Snapshot playing = Now();
    for (Qt::Key key : {Qt::Key_0, Qt::Key_6, Qt::Key_9}) QTest::keyClick(&f, key);
    QTest::keyClick(&f, Qt::Key_1, Qt::ControlModifier);
    EXPECT_TRUE(Now() == playing);
    EXPECT_EQ(S().GameCards, 0);
}

}  // namespace
}  // namespace zarvelo::testing
