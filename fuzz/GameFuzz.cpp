// Fuzz target: whole games played through the rules alone, from any bytes as the player's input
// (stakes, starts, picks, presses anywhere, player changes, session ends and repaints), with the
// game's invariants checked at every event the rules report.
#include <QHash>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Players.h"
#include "rules/TableGeometry.h"
#include "rules/TableSlots.h"
#include "tables/PlayerData.h"

using namespace zarvelo;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "game invariant broken: %s\n", what);
    std::abort();
}

// The data files as the saves leave them: what a player change loads and a new session starts
// from.
struct Store {
    QHash<QString, PlayerRecordType> records;
    QString lastPlayer = kNewPlayerName;
    RankingTable ranking;
};

// Checks the state at every event and keeps the money the events account for.
class Checker final : public EventSink {
public:
    Checker(const Game& game, Store& store) : game_(game), store_(store) { Resync(); }

    void Resync() {
        credit_ = game_.state().Credit;
        bet_ = game_.state().Bet;
        win_ = game_.state().Win;
    }

    std::size_t played = 0;

    // The three buttons as the player finds them: "1 Bet", "Start", "RepeatBet".
    enum Button { Bet, Start, Repeat };
    bool CanPress(Button b) const { return shown_[b] && enabled_[b]; }
    void ButtonsForBetting() { ShowButtons(Show::BettingButtons); }

    void Play(const Event& e) override {
        ++played;
        const GameState& s = game_.state();
        switch (e.kind) {
            case EventKind::Sound:
                if (e.sound == platform::Sound::CardTaken) {
                    picking_ = true;
                    points_ = 0;
                }
                break;
            case EventKind::Money:
                if (e.amount < 0) Fail("money moved by a negative amount");
                switch (e.money) {
                    case Money::Stake:
                        credit_ -= e.amount;
                        bet_ += e.amount;
                        break;
                    case Money::CardPoints:
                        points_ += e.amount;
                        win_ += e.amount;
                        break;
                    case Money::PokerPrize: win_ += e.amount; break;
                    case Money::WinPaid:
                        credit_ += e.amount;
                        if (e.amount != s.Win && s.Credit != INT32_MAX)
                            Fail("the win paid is not the whole win");
                        break;
                    case Money::Bankruptcy: credit_ += e.amount; break;
                }
                break;
            case EventKind::PlayerChanged: Resync(); break;
            case EventKind::SaveRecordAndRanking: store_.ranking = e.ranking; [[fallthrough]];
            case EventKind::SavePlayerFiles:
                store_.records[e.text] = e.record;
                store_.lastPlayer = e.text;
                break;
            case EventKind::GameOver:
                if (!s.GameOver || s.GameInProgress) Fail("game over while a game is on");
                if (e.amount != s.Win) Fail("game over reports another win");
                break;
            case EventKind::Show:
                ShowButtons(e.show);
                if (e.show == Show::CardPoints && picking_) CheckPoints(s);
                if (e.show == Show::Table || e.show == Show::Cards) CheckTable(s, e.show);
                break;
            default: break;
        }
        CheckMoney(s);
        CheckCounters(s);
        CheckDeck(s);
    }

private:
    // A pick that brings the stage's count to one that pays adds the stage times that count's
    // multiplier times the stake.
    void CheckPoints(const GameState& s) {
        picking_ = false;
        const Counter due =
            SaturatingMul(SaturatingMul(s.Stage, CardPointMultiplier(s.CardsInStage())), s.Bet);
        if (points_ != due && s.Win != INT32_MAX) Fail("the card points paid are not those due");
    }

    void ShowButtons(Show what) {
        switch (what) {
            case Show::BettingButtons:
                shown_ = {true, true, true};
                enabled_ = {true, true, false};
                break;
            case Show::PlayingButtons:
                shown_ = {false, false, false};
                enabled_[Start] = true;
                break;
            case Show::ButtonsAfterGame:
                shown_ = {true, true, true};
                enabled_[Bet] = enabled_[Repeat] = true;
                break;
            case Show::IdleTable: shown_ = {true, true, true}; break;
            default: break;
        }
    }

    void CheckMoney(const GameState& s) {
        if (s.Credit != credit_) Fail("credit changed other than by stakes, wins or bankruptcy");
        // A new game or a new player forgets the stake and the win: they go back to nothing.
        if (s.Bet != bet_) {
            if (s.Bet != 0) Fail("stake changed other than by staking");
            bet_ = 0;
        }
        if (s.Win != win_) {
            if (s.Win != 0) Fail("win changed other than by points and prizes");
            win_ = 0;
        }
    }

    static void CheckCounters(const GameState& s) {
        if (s.Bet < 0 || s.Bet > kMaxBet) Fail("stake out of range");
        if (s.LastBet < 0 || s.LastBet > kMaxBet) Fail("last stake out of range");
        if (s.Credit < 0 || s.Win < 0 || s.BankruptCount < 0 || s.HiScore < 0)
            Fail("a count went negative");
        if (s.Stage < 1) Fail("stage below 1");
        if (s.DeckPosition < 0 || s.DeckPosition > kDeckSize) Fail("deck position out of range");
        if (s.GameCards < 0 || s.TotalCards < 0) Fail("cards taken below 0");
        if (s.GameInProgress && (s.CardsInStage() < 0 || s.CardsInStage() > kCardsInDeck))
            Fail("cards taken in the stage out of range");
        if (s.GameInProgress && s.GameOver) Fail("a game both on and over");
        for (Counter n : s.PokerCount)
            if (n < 0) Fail("hands counted below 0");
    }

    // Before the first shuffle the deck is empty; afterwards it is the 52 cards once each and the
    // five empty draws.
    static void CheckDeck(const GameState& s) {
        if (s.Deck[0] == 0) {
            for (CardNumber c : s.Deck)
                if (c != 0) Fail("a deck neither empty nor shuffled");
            return;
        }
        std::array<bool, kCardsInDeck + 1> seen{};
        for (int i = 0; i < kCardsInDeck; ++i) {
            const CardNumber c = s.Deck[i];
            if (c < 1 || c > kCardsInDeck || seen[c]) Fail("the deck is not the 52 cards");
            seen[c] = true;
        }
        for (int i = kCardsInDeck; i < kDeckSize; ++i)
            if (s.Deck[i] != 0) Fail("an empty draw holds a card");
    }

    // What the screen is told to draw: the cards dealt so far, each once, the chart missing
    // exactly those, and the frames where the pick rule says.
    static void CheckTable(const GameState& s, Show what) {
        if (s.Deck[0] == 0) return;
        std::array<bool, kCardsInDeck + 1> dealt{};
        for (int i = 0; i < std::min<int>(s.DeckPosition, kCardsInDeck); ++i)
            dealt[s.Deck[i]] = true;
        std::array<bool, kCardsInDeck + 1> onTable{};
        for (int i = s.FirstSelection ? 1 : 0; i < kTableSlots; ++i) {
            const CardNumber c = s.TableCards[i];
            if (c == 0) continue;
            if (c < 0 || c > kCardsInDeck || !dealt[c]) Fail("a card on the table was never dealt");
            if (onTable[c]) Fail("a card lies twice on the table");
            onTable[c] = true;
        }
        for (int suit = 1; suit <= 4; ++suit)
            for (int value = 1; value <= 13; ++value) {
                const bool blank = s.CardChart[suit - 1][value - 1] == QLatin1Char(' ');
                if (blank != dealt[cardlib::CardOf(suit, value)])
                    Fail("the card chart disagrees with the cards dealt");
            }
        const TableSlotViews view = ViewOfTable(s);
        const bool betting = s.FirstSelection && !s.GameInProgress;
        bool playable = false;
        for (int i = 1; i < kTableSlots; ++i) {
            if (betting) {
                if (view[i].card != 0 || view[i].playable) Fail("the waiting table shows a card");
                continue;
            }
            if (view[i].card != s.TableCards[i]) Fail("the view shows another card");
            if (view[i].playable && view[i].card == 0) Fail("an empty slot may be taken");
            if (view[i].playable != Accepts(s, s.TableCards[0], s.TableCards[i]))
                Fail("the frames disagree with the pick rule");
            playable = playable || (view[i].playable && !s.FirstSelection);
        }
        if (what == Show::Table && !betting && s.PlayableExists != playable)
            Fail("the game goes on with nothing to take");
    }

    const Game& game_;
    Store& store_;
    Counter credit_ = 0, bet_ = 0, win_ = 0, points_ = 0;
    bool picking_ = false;
    std::array<bool, 3> shown_{}, enabled_{};
};

// The input as a stream of bytes, zero once used up.
struct Input {
    const std::uint8_t* data;
    std::size_t size, at = 0;
    bool more() const { return at < size; }
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

const QString kNames[] = {kNewPlayerName, QStringLiteral("Taro"), QStringLiteral("Hanako")};

// The shuffle's random numbers: from a generator the input seeds, so that a finding replays
// exactly, or on request the draws of a deck that can be taken whole, so that stages are cleared.
class Shuffles {
public:
    explicit Shuffles(std::uint64_t seed) : seed_(seed) {}

    void DealChainNext() { chainNext_ = true; }

    double Next() {
        if (draw_ % kCardsInDeck == 0) {
            chain_ = chainNext_;
            chainNext_ = false;
            if (chain_) PlanChain();
        }
        const int j = draw_++ % kCardsInDeck;
        if (chain_) return planned_[static_cast<std::size_t>(j)];
        seed_ ^= seed_ << 13;
        seed_ ^= seed_ >> 7;
        seed_ ^= seed_ << 17;
        return static_cast<double>(seed_ >> 11) / 9007199254740992.0;
    }

private:
    // Neighbours share a suit or a value: spades A..K, hearts K..A, diamonds A..K, clubs K..A.
    // Taking slot 1 until the deck is used up and then slots 2 to 5 takes every card, so the deck
    // holds the first card, the last four in the row, and the rest in order.
    void PlanChain() {
        std::array<CardNumber, kCardsInDeck> chain{};
        int n = 0;
        for (int suit = 4; suit >= 1; --suit)
            for (int i = 1; i <= 13; ++i)
                chain[static_cast<std::size_t>(n++)] =
                    cardlib::CardOf(suit, suit % 2 == 0 ? i : 14 - i);
        std::array<CardNumber, kCardsInDeck> wanted{};
        wanted[0] = chain[0];
        for (int i = 1; i <= 4; ++i)
            wanted[static_cast<std::size_t>(i)] = chain[static_cast<std::size_t>(47 + i)];
        for (int i = 5; i < kCardsInDeck; ++i)
            wanted[static_cast<std::size_t>(i)] = chain[static_cast<std::size_t>(i - 4)];
        // The shuffle swaps place j with place floor(51 r) + 1: each draw fetches the wanted card.
        std::array<CardNumber, kCardsInDeck> deck{};
        for (int i = 0; i < kCardsInDeck; ++i) deck[static_cast<std::size_t>(i)] = i + 1;
        for (int j = 0; j < kCardsInDeck; ++j) {
            int k = j;
            while (deck[static_cast<std::size_t>(k)] != wanted[static_cast<std::size_t>(j)]) ++k;
            if (k == 0) Fail("the chain cannot start with the first card");
            planned_[static_cast<std::size_t>(j)] = (k - 0.5) / 51.0;
            std::swap(deck[static_cast<std::size_t>(j)], deck[static_cast<std::size_t>(k)]);
        }
    }

    std::uint64_t seed_;
    long draw_ = 0;
    bool chain_ = false, chainNext_ = false;
    std::array<double, kCardsInDeck> planned_{};
};

void StartSession(Game& game, const Store& store) {
    game.reset();
    const auto it = store.records.constFind(store.lastPlayer);
    game.InitializeProgramState(
        store.lastPlayer, it == store.records.constEnd() ? NewPlayerRecord() : *it, store.ranking);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    std::uint64_t seed = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 4; ++i) seed = seed * 257 + in.next();
    Shuffles shuffles(seed);
    SetRandomSource([&shuffles] { return shuffles.Next(); });

    Store store;
    store.ranking.fill(EmptyRankingEntry(QDate(2026, 12, 8)));
    Game game;
    StartSession(game, store);
    Checker checker(game, store);
    checker.ButtonsForBetting();
    const auto played = [&checker](std::size_t before, const std::vector<Event>& events) {
        if (checker.played - before != events.size()) Fail("the list is not what was played");
    };

    for (int steps = 0; in.more() && steps < 4000; ++steps) {
        const std::size_t before = checker.played;
        const std::uint8_t op = in.next();
        switch (op % 16) {
            // A button that is hidden or greyed out takes no press.
            case 0:
            case 1:
                if (checker.CanPress(Checker::Bet)) played(before, BetOneUnit(game, checker));
                break;
            case 2:
                if (checker.CanPress(Checker::Start)) played(before, StartNextGame(game, checker));
                break;
            case 3:
                if (checker.CanPress(Checker::Repeat)) played(before, RepeatBet(game, checker));
                break;
            case 4: {  // a press anywhere on the table
                RecordPress(game, in.next() * 2.0f, in.next() * 1.25f);
                played(before, TakeCardAtPress(game, checker));
                break;
            }
            case 5: {  // a player change through the name entry
                RememberPlayerName(game);
                const QString& name = kNames[in.next() % 3];
                const auto stored = [&store](const QString& player) {
                    const auto it = store.records.constFind(player);
                    return it == store.records.constEnd() ? std::nullopt : std::optional(*it);
                };
                played(before, ChangePlayer(game, name, stored, checker));
                break;
            }
            case 6: {  // the program closes and a new one starts from what it saved
                const bool present = in.next() % 2 == 0;
                played(before, present ? Form_QueryUnload(game, true, checker)
                                       : SaveSession(game, checker));
                StartSession(game, store);
                checker.Resync();
                checker.ButtonsForBetting();
                break;
            }
            case 7: played(before, Form_Paint(game, checker)); break;
            case 8: shuffles.DealChainNext(); break;
            case 9: {  // the leftmost card that may be taken
                const TableSlotViews view = ViewOfTable(game.state());
                int slot = 1;
                while (slot < 5 && !view[static_cast<std::size_t>(slot)].playable) ++slot;
                const QPointF centre = QRectF(SlotRect(slot)).center();
                RecordPress(game, static_cast<float>(centre.x()), static_cast<float>(centre.y()));
                played(before, TakeCardAtPress(game, checker));
                break;
            }
            default: {  // a pick at a slot, mostly one that may be taken
                const TableSlotViews view = ViewOfTable(game.state());
                int slot = 1 + in.next() % 5;
                for (int i = 0; i < 5 && !view[slot].playable && (op & 1); ++i) slot = slot % 5 + 1;
                const QPointF centre = QRectF(SlotRect(slot)).center();
                RecordPress(game, static_cast<float>(centre.x()), static_cast<float>(centre.y()));
                played(before, TakeCardAtPress(game, checker));
                break;
            }
        }
    }
    SetRandomSource({});
    return 0;
}
