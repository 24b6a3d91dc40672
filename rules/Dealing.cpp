// The deck, the deal and the marking of playable cards.
#include "rules/Dealing.h"

#include <chrono>
#include <cmath>
#include <random>

#include "cardlib/CardLib.h"
#include "rules/Messages.h"
#include "rules/TableSlots.h"

namespace zarvelo {

namespace {

RandomSource g_randomSource;

// Reseeded for every shuffle from a high-resolution clock, so two deals never share a deck
// even within one second.
double ClockSeededRandom(bool reseed) {
    static std::mt19937_64 generator;
    if (reseed) {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq seed{static_cast<std::uint32_t>(ticks),
                           static_cast<std::uint32_t>(ticks >> 32)};
        generator.seed(seed);
    }
    return std::generate_canonical<double, 53>(generator);
}

// A source that strays outside [0, 1) must still pick a partner between 1 and 51.
int SwapPartner(double r) {
    if (!(r >= 0.0)) r = 0.0;
    const int k = static_cast<int>(std::floor(51.0 * r)) + 1;
    return k < 1 ? 1 : (k > 51 ? 51 : k);
}

void BlankChartCell(GameState& s, CardNumber card) {
    const int suit = cardlib::GetCardSuit(card), value = cardlib::GetCardValue(card);
    if (suit >= 1 && value >= 1) s.CardChart[suit - 1][value - 1] = QLatin1Char(' ');
}

}  // namespace

void FillCardChart(GameState& s) {
    for (auto& row : s.CardChart) {
        row[0] = QLatin1Char('A');
        // The ten's cell holds only the "1" of "10".
        for (int v = 1; v <= 9; ++v) row[v] = QString::number(v + 1).at(0);
        row[10] = QLatin1Char('J');
        row[11] = QLatin1Char('Q');
        row[12] = QLatin1Char('K');
    }
}

void SetRandomSource(RandomSource source) { g_randomSource = std::move(source); }

void ShuffleDeck(GameState& s) {
    bool first = true;
    auto next = [&first] {
        if (g_randomSource) return g_randomSource();
        const double r = ClockSeededRandom(first);
        first = false;
        return r;
    };
    for (int i = 1; i <= kCardsInDeck; ++i) s.Deck[i - 1] = i;
    for (int j = 0; j <= 51; ++j) std::swap(s.Deck[j], s.Deck[SwapPartner(next())]);
    for (int i = 53; i <= 57; ++i) s.Deck[i - 1] = 0;
}

void DealTable(GameState& s) {
    s.FirstSelection = true;
    s.DeckPosition = 0;
    if (!s.StageCleared) {
        s.GameCards = 0;
        s.TotalCards = 0;
        s.GameOver = false;
        s.Stage = 1;
    }
    FillCardChart(s);
    ShuffleDeck(s);
    for (int i = 1; i <= 5; ++i) {
        s.TableCards[i] = s.Deck[i - 1];
        ++s.DeckPosition;
    }
    for (int i = 1; i <= 5; ++i) BlankChartCell(s, s.TableCards[i]);
    s.MainCaption = CaptionFor(s.PlayerName);
}

void MarkPlayableCards(GameState& s) {
    const TableSlotViews view = ViewOfTable(s);
    s.PlayableExists = false;
    // Every card may be taken at a deal's first pick, which is no proof that one matches.
    for (int i = 1; i <= 5; ++i)
        if (view[i].playable && !s.FirstSelection) s.PlayableExists = true;
}

void RefreshTable(GameState& s, Events& out) {
    MarkPlayableCards(s);
    out.Screen(Show::Table);
}

std::vector<Event> RefreshTable(Game& game, EventSink& sink) {
    Events out(sink);
    RefreshTable(game.rulesState(), out);
    return out.Take();
}

std::vector<Event> Form_Paint(Game& game, EventSink& sink) {
    GameState& s = game.rulesState();
    Events out(sink);
    if (s.FirstSelection && !s.GameInProgress) {
        out.Screen(Show::IdleTable);
    } else {
        RefreshTable(s, out);
    }
    return out.Take();
}

}  // namespace zarvelo
