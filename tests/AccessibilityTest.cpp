// What assistive technology is told of the main window: the table's cards by name as they are
// painted, their press as a click, the figures, chart rows and panels by their captions, and the
// announcements of what changed.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <array>
#include <optional>
#include <vector>

#include "cardlib/CardLib.h"
#include "cardlib/TableSurface.h"
#include "screen/CardChart.h"
#include "screen/CardNames.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/AccessibleTable.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

class AccessibilityTest : public GameFixture {
protected:
    static QAccessibleInterface* Of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    static QAccessibleInterface* Table() { return Of(MainForm::instance().table()); }
    static QAccessibleInterface* Place(int slot) { return Table()->child(slot); }
    static QString Name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }
    // A notification speaks its label, which holds the text.
    static QString Announcement() {
        return Name(Table()->child(AccessibleTable::kAnnouncements)->child(0));
    }
    // What the table tells comes once the event being handled is done.
    static void Settle() { QCoreApplication::processEvents(); }

    // The card a name says, 0 for "empty"; -1 for a name that says no card.
    static CardNumber CardNamed(const QString& name) {
        if (name == QLatin1String("empty")) return 0;
        for (CardNumber card = 1; card <= kCardsInDeck; ++card)
            if (CardName(card) == name) return card;
        return -1;
    }

    // Whether the table shows at a slot exactly what the name of its place says: the card's
    // face, or for "empty" bare table or the empty-slot mark.
    static bool PaintedAsNamed(int slot) {
        QString name = Name(Place(slot));
        if (slot == 0) {
            if (!name.startsWith(QLatin1String("Current card: "))) return false;
            name = name.mid(14);
        }
        const CardNumber card = CardNamed(name);
        if (card < 0) return false;
        const QImage& painted = MainForm::instance().table()->surface().image();
        QWidget scratch;
        scratch.resize(kTableWidth, kTableHeight);
        cardlib::TableSurface reference(&scratch, QSize(kTableWidth, kTableHeight));
        if (reference.image().devicePixelRatio() != painted.devicePixelRatio()) return false;
        const cardlib::WindowHandle handle = cardlib::RegisterSurface(&reference);
        const QPoint at = SlotOrigin(slot);
        const qreal ratio = painted.devicePixelRatio();
        const QRect pixels(SlotRect(slot).topLeft() * ratio, SlotRect(slot).size() * ratio);
        std::vector<QImage> candidates;
        if (card > 0) {
            cardlib::DealCard(handle, card, at.x(), at.y());
            candidates.push_back(reference.image().copy(pixels));
        } else {
            candidates.push_back(reference.image().copy(pixels));  // bare table
            cardlib::DrawSymbol(handle, cardlib::kEmptySlotSymbol, at.x(), at.y());
            candidates.push_back(reference.image().copy(pixels));
        }
        cardlib::UnregisterSurface(handle);
        const QImage shown = painted.copy(pixels);
        for (const QImage& candidate : candidates)
            if (candidate == shown) return true;
        return false;
    }

    // A row in which the first pick of hearts 7 leaves only spades 7 and hearts king to take.
    MainForm& StartWithSevens() {
        return StartWithRow({CardOf(3, 7), CardOf(4, 7), CardOf(1, 2), CardOf(3, 13), CardOf(2, 4)},
                            {CardOf(1, 9), CardOf(1, 10)});
    }
};

TEST_F(AccessibilityTest, CardsHaveTheirEnglishNames) {
    struct Case {
        int suit, value;
        const char* name;
    };
    const Case cases[] = {{3, 7, "Seven of Hearts"},   {4, 12, "Queen of Spades"},
                          {1, 1, "Ace of Clubs"},      {2, 10, "Ten of Diamonds"},
                          {2, 13, "King of Diamonds"}, {1, 11, "Jack of Clubs"}};
    for (const Case& c : cases) EXPECT_EQ(CardName(CardOf(c.suit, c.value)), c.name);
    QStringList all;
    for (CardNumber card = 1; card <= kCardsInDeck; ++card) all << CardName(card);
    all.removeDuplicates();
    EXPECT_EQ(all.size(), kCardsInDeck);
    EXPECT_TRUE(CardName(0).isEmpty());
    EXPECT_TRUE(CardName(53).isEmpty());
    EXPECT_EQ(PlaceName(0, CardOf(3, 7)), "Current card: Seven of Hearts");
    EXPECT_EQ(PlaceName(0, 0), "Current card: empty");
    EXPECT_EQ(PlaceName(4, 0), "empty");
}

TEST_F(AccessibilityTest, TheTableReadsAsItIsPaintedThroughAGame) {
    MainForm& f = StartUp();
    QAccessibleInterface* table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Name(table), "Card table");
    EXPECT_EQ(Place(0)->role(), QAccessible::Graphic);
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(Place(slot)->role(), QAccessible::Button);
    EXPECT_EQ(Table()->child(AccessibleTable::kAnnouncements)->role(), QAccessible::Notification);
    for (int i = 0; i < Table()->childCount(); ++i)
        EXPECT_EQ(Table()->indexOfChild(Table()->child(i)), i);

    // Each moment: the names say what is painted, the descriptions which frames are shown.
    auto checkMoment = [&](const char* moment) {
        Settle();
        for (int slot = 0; slot <= 5; ++slot) {
            EXPECT_TRUE(PaintedAsNamed(slot))
                << moment << ": slot " << slot << " reads " << Name(Place(slot)).toStdString();
            if (slot == 0) continue;
            const bool framed = !f.FrameNotice[slot]->isHidden();
            EXPECT_EQ(Place(slot)->text(QAccessible::Description),
                      framed ? "playable" : "not playable")
                << moment << ": slot " << slot;
        }
    };
    checkMoment("start-up");
    EXPECT_EQ(Name(Place(0)), "Current card: empty");
    Press(f.CommandBet);
    checkMoment("staked");
    Press(f.CommandNextGame);
    checkMoment("dealt");
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(Name(Place(slot)), CardName(S().TableCards[slot])) << slot;
    ArrangeDeal({CardOf(3, 7), CardOf(4, 7), CardOf(1, 2), CardOf(3, 13), CardOf(2, 4)},
                {CardOf(1, 9)});
    checkMoment("arranged");
    f.PressSlot(1);
    checkMoment("first pick");
    EXPECT_EQ(Name(Place(0)), "Current card: Seven of Hearts");
    EXPECT_EQ(Name(Place(1)), "Nine of Clubs");
    f.PressSlot(5);  // diamonds 4 does not match hearts 7: nothing is taken
    checkMoment("refused pick");
    f.PressSlot(4);  // hearts king; the deck has nothing more, and nothing matches the king
    ASSERT_FALSE(S().GameInProgress);
    checkMoment("game over");
    EXPECT_EQ(Name(Place(4)), "empty");
    f.RepaintNow();
    checkMoment("repainted after the game");
    Press(f.CommandBet);
    checkMoment("staked again");
    EXPECT_EQ(Name(Place(0)), "Current card: empty");
    f.RepaintNow();
    checkMoment("repainted while staking");
}

TEST_F(AccessibilityTest, PressingARowCardIsClickingIt) {
    struct Snapshot {
        std::array<CardNumber, kTableSlots> table;
        Counter deckPosition, gameCards, win;
        bool firstSelection, gameInProgress;
        QString message;
        QStringList sounds;
        bool operator==(const Snapshot&) const = default;
    };
    auto now = [this] {
        return Snapshot{S().TableCards,
                        S().DeckPosition,
                        S().GameCards,
                        S().Win,
                        S().FirstSelection,
                        S().GameInProgress,
                        MainForm::instance().LabelMessage->text(),
                        sounds};
    };
    // Picks before the slot pressed last: a first pick, a match, a refusal, a game over, a press
    // with no game running.
    const std::vector<std::vector<int>> ways = {{}, {1}, {1, 5}, {1, 4}, {1, 2}};
    for (const auto& before : ways) {
        for (int slot = 1; slot <= 5; ++slot) {
            std::optional<Snapshot> results[2];
            for (int how = 0; how < 2; ++how) {
                TheGame().reset();
                sounds.clear();
                MainForm& f = StartWithSevens();
                for (int pick : before) f.PressSlot(pick);
                if (how == 0) {
                    ClickTable(SlotRect(slot).center().x(), SlotRect(slot).center().y());
                } else {
                    QAccessibleActionInterface* action = Place(slot)->actionInterface();
                    ASSERT_NE(action, nullptr);
                    action->doAction(QAccessibleActionInterface::pressAction());
                }
                Settle();
                results[how] = now();
                MainForm::destroyInstance();
            }
            EXPECT_TRUE(*results[0] == *results[1])
                << "slot " << slot << " after " << before.size() << " picks";
        }
    }

    StartWithSevens();
    EXPECT_EQ(Place(0)->actionInterface(), nullptr);
    for (int slot = 1; slot <= 5; ++slot) {
        QAccessibleActionInterface* action = Place(slot)->actionInterface();
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_EQ(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList{QString::number(slot)});
    }
}

TEST_F(AccessibilityTest, NoPressReachesTheTableWhileAModalBoxIsOpen) {
    StartWithSevens();
    QDialog box(&MainForm::instance());
    box.setModal(true);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    Place(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    EXPECT_TRUE(S().FirstSelection);
    EXPECT_EQ(S().TableCards[0], 0);
    box.close();
    Place(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    EXPECT_EQ(S().TableCards[0], CardOf(3, 7));
}

TEST_F(AccessibilityTest, FiguresChartRowsAndPanelsReadWithTheirCaptions) {
    MainForm& f = StartUp();
    for (int i = 0; i < 3; ++i) Press(f.CommandBet);
    struct Figure {
        Label* value;
        Label* caption;
        const char* name;
    };
    const Figure figures[] = {{f.LabelCredit, f.Label1[2], "Credit 97"},
                              {f.LabelBet, f.Label1[3], "Your Bet 3"},
                              {f.LabelScore, f.Label1[0], "Score 0"},
                              {f.LabelHiscore, f.Label1[1], "HI SCORE 0"},
                              {f.LabelWin, f.Label1[4], "Your Win 0"}};
    for (const Figure& figure : figures) {
        QAccessibleInterface* value = Of(figure.value);
        EXPECT_EQ(Name(value), figure.name);
        EXPECT_EQ(value->role(), QAccessible::StaticText);
        const auto labels = value->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << figure.name;
        EXPECT_EQ(labels[0].first, Of(figure.caption)) << figure.name;
        const auto labelled = Of(figure.caption)->relations(QAccessible::Labelled);
        ASSERT_EQ(labelled.size(), 1) << figure.name;
        EXPECT_EQ(labelled[0].first, value) << figure.name;
    }
    // Other labels read as they are written.
    EXPECT_EQ(Name(Of(f.Label1[2])), "Credit");
    EXPECT_EQ(Name(Of(f.LabelPorker[0])), "Royal Flush");

    struct Panel {
        QWidget* frame;
        const char* name;
    };
    for (const Panel& panel : {Panel{f.FrameNumberOfCards, "Card Point"},
                               Panel{f.Frame1, "Card Chart"}, Panel{f.Frame3, "Porker Prize"}}) {
        EXPECT_EQ(Name(Of(panel.frame)), panel.name);
        EXPECT_EQ(Of(panel.frame)->role(), QAccessible::Grouping);
    }

    // The pictures are numbered club, diamond, spade, heart; the rows run in suit order.
    const char* const pictures[] = {"Clubs", "Diamonds", "Spades", "Hearts"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Name(Of(f.PicSuit[i])), pictures[i]);
        EXPECT_EQ(Of(f.PicSuit[i])->role(), QAccessible::Graphic);
    }
    EXPECT_EQ(Name(Of(f.LeftCard[0])), "Clubs: A 2 3 4 5 6 7 8 9 10 J Q K");
    Press(f.CommandNextGame);
    ArrangeDeal({CardOf(3, 7), CardOf(4, 10), CardOf(1, 1), CardOf(3, 13), CardOf(2, 4)}, {});
    EXPECT_EQ(Name(Of(f.LeftCard[0])), "Clubs: 2 3 4 5 6 7 8 9 10 J Q K");
    EXPECT_EQ(Name(Of(f.LeftCard[1])), "Diamonds: A 2 3 5 6 7 8 9 10 J Q K");
    EXPECT_EQ(Name(Of(f.LeftCard[2])), "Hearts: A 2 3 4 5 6 8 9 10 J Q");
    EXPECT_EQ(Name(Of(f.LeftCard[3])), "Spades: A 2 3 4 5 6 7 8 9 J Q K");
    for (auto& cell : S().CardChart[0]) cell = QLatin1Char(' ');
    ShowCardChart();
    EXPECT_EQ(Name(Of(f.LeftCard[0])), "Clubs: none");
    EXPECT_EQ(ChartRowName(3, CardChartRowText(2)), Name(Of(f.LeftCard[2])));
}

TEST_F(AccessibilityTest, EachInputIsAnnouncedOnceItIsHandledWithWhatItPaidOrRefused) {
    MainForm& f = StartUp();
    Settle();
    EXPECT_EQ(Announcement().toStdString(), "");  // the message line is read where it stands
    Press(f.CommandBet);
    Press(f.CommandNextGame);
    ArrangeDeal({CardOf(3, 7), CardOf(4, 7), CardOf(1, 2), CardOf(3, 13), CardOf(2, 4)},
                {CardOf(1, 9), CardOf(3, 2)});
    // Nothing is told before the input is done with.
    EXPECT_EQ(Announcement().toStdString(), "");
    Settle();
    EXPECT_EQ(Announcement().toStdString(),
              "Bet 1, credit 99. Game started. Table: Seven of Hearts, Seven of Spades, Two of "
              "Clubs, King of Hearts, Four of Diamonds; every card playable.");
    struct Pick {
        int slot;
        const char* announcement;
    };
    const Pick picks[] = {
        {1, "Took Seven of Hearts; slot 1 now Nine of Clubs; playable 2, 4."},
        {3, "Slot 3, Two of Clubs, is not playable."},
        {4, "Took King of Hearts; slot 4 now Two of Hearts; playable 4."},
        {4, "Took Two of Hearts; slot 4 now empty; playable 3."},
        {3, "Took Two of Clubs; slot 3 now empty; playable 1."},
        {1,
         "Took Nine of Clubs; slot 1 now empty; nothing playable. Game over: won 0, credit 99. "
         "Enter stakes 1 again and starts."},
    };
    for (const Pick& pick : picks) {
        f.PressSlot(pick.slot);
        Settle();
        EXPECT_EQ(Announcement().toStdString(), pick.announcement);
    }
    ClickTable(200, 200);
    Settle();
    EXPECT_EQ(Announcement().toStdString(), "No game is on: stake with 1 Bet, then press Start.");
}

TEST_F(AccessibilityTest, PayoutsAreAnnouncedWithTheirReasons) {
    MainForm& f = StartWithRow(
        {CardOf(3, 2), CardOf(3, 5), CardOf(3, 9), CardOf(3, 11), CardOf(4, 5)}, {CardOf(3, 13)});
    Settle();
    f.PressSlot(5);
    Settle();
    EXPECT_EQ(Announcement().toStdString(),
              "Took Five of Spades; slot 5 now King of Hearts; playable 2. Flush: 1.");
    S().GameCards = S().TotalCards = 9;
    f.PressSlot(2);
    Settle();
    EXPECT_EQ(Announcement().left(30).toStdString(), "Took Five of Hearts; slot 2 no");
    EXPECT_TRUE(Announcement().contains("10 cards: 1 point.")) << Announcement().toStdString();
}

}  // namespace
}  // namespace zarvelo::testing
