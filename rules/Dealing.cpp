// The deck, the deal and the marking of playable cards.
#include "rules/Dealing.h"

#include <chrono>
#include <cmath>
#include <random>

#include "cardlib/CardLib.h"
#include "platform/MessageBox.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "state/GameState.h"
#include "windows/NamedControls.h"

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

void BlankChartCell(CardNumber card) {
    const int suit = cardlib::GetCardSuit(card), value = cardlib::GetCardValue(card);
    if (suit >= 1 && value >= 1) CardChart[suit - 1][value - 1] = QLatin1Char(' ');
}

}  // namespace

void SetRandomSource(RandomSource source) { g_randomSource = std::move(source); }

bool LoadCardLibrary() {
    if (cardlib::InitializeDeck(Controls().hWnd) != 0) return true;
    platform::ShowMessageBox(QStringLiteral("Qcard32.dll couldn't be loaded"),
                             QStringLiteral("DLL Error"));
    return false;
}

void ShuffleDeck() {
    bool first = true;
    auto next = [&first] {
        if (g_randomSource) return g_randomSource();
        const double r = ClockSeededRandom(first);
        first = false;
        return r;
    };
    for (int i = 1; i <= kCardsInDeck; ++i) Deck[i - 1] = i;
    for (int j = 0; j <= 51; ++j) std::swap(Deck[j], Deck[SwapPartner(next())]);
    for (int i = 53; i <= 57; ++i) Deck[i - 1] = 0;
}

void DealTable() {
    FirstSelection = true;
    DeckPosition = 0;
    if (!StageCleared) {
        GameCards = 0;
        TotalCards = 0;
        GameOver = false;
        Stage = 1;
    }
    FillCardChart();
    ShuffleDeck();
    for (int i = 1; i <= 5; ++i) {
        TableCards[i] = Deck[i - 1];
        ++DeckPosition;
    }
    for (int i = 1; i <= 5; ++i) BlankChartCell(TableCards[i]);
    MainCaption = CaptionFor(PlayerName);
}

void ShowPlayableCards() {
    NamedControls& c = Controls();
    const int suit = cardlib::GetCardSuit(TableCards[0]);
    const int value = cardlib::GetCardValue(TableCards[0]);
    PlayableExists = false;
    for (int i = 1; i <= 5; ++i) {
        const int s = cardlib::GetCardSuit(TableCards[i]);
        const int v = cardlib::GetCardValue(TableCards[i]);
        if (FirstSelection) {
            c.FrameNotice[i]->show();
        } else if (s == suit || v == value) {
            c.FrameNotice[i]->show();
            PlayableExists = true;
        } else {
            c.FrameNotice[i]->hide();
        }
    }
}

void RefreshTable() {
    ShowStatus();
    ShowCardChart();
    ShowPlayableCards();
    DrawTable();
}

}  // namespace zarvelo
