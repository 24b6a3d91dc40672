// In-process timings of the hot paths: a card click with its repaint, the click that ends a game
// with its saves, the poker check, the deal and the card-point display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/Startup.h"
#include "artwork/IconPainter.h"
#include "artwork/LogoPainter.h"
#include "platform/Folders.h"
#include "platform/MessageBoxRecorder.h"
#include "platform/Sound.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Poker.h"
#include "screen/ScreenObject.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

using namespace zarvelo;

namespace {

// The benchmarks lay out the table they time, as the tests do.
GameState& s = RulesState();

// A started game of one unit on a shown main window.
MainForm& GameOnTable() {
    MainForm& form = MainForm::instance();
    if (!s.GameInProgress) {
        form.CommandBet_Click();
        form.CommandNextGame_Click();
    }
    return form;
}

// Paints what the handlers marked as changed and nothing else, then hands the window's image to
// the window system, as the event loop does after a click.
void PaintAsTheEventLoopWould() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Snapshot of the state a click changes, so each iteration clicks the same table.
struct Snapshot {
    decltype(s.Deck) deck = s.Deck;
    decltype(s.TableCards) table = s.TableCards;
    decltype(s.CardChart) chart = s.CardChart;
    Counter position = s.DeckPosition, games = s.GameCards, total = s.TotalCards, win = s.Win;
    bool first = s.FirstSelection;
    void restore() const {
        s.Deck = deck, s.TableCards = table, s.CardChart = chart;
        s.DeckPosition = position, s.GameCards = games, s.TotalCards = total, s.Win = win;
        s.FirstSelection = first, s.GameInProgress = true, s.GameOver = false;
    }
};

void BM_CardClickWithRepaint(benchmark::State& state) {
    MainForm& form = GameOnTable();
    // A row where slot 1 matches the current card and the game goes on after the pick.
    s.TableCards = {27, 28, 29, 30, 31, 32};
    s.FirstSelection = false;
    s.Deck[s.DeckPosition] = 33;
    const Snapshot before;
    for (auto _ : state) {
        before.restore();
        form.Form_MouseDown(1, 0, 40.f, 200.f);
        form.Form_Click();
        PaintAsTheEventLoopWould();
    }
}
BENCHMARK(BM_CardClickWithRepaint);

void BM_RejectedClickWithRepaint(benchmark::State& state) {
    MainForm& form = GameOnTable();
    s.TableCards = {1, 15, 27, 2, 3, 4};  // slot 1 shares nothing with the ace of clubs
    s.FirstSelection = false;
    for (auto _ : state) {
        form.Form_MouseDown(1, 0, 40.f, 200.f);
        form.Form_Click();
        PaintAsTheEventLoopWould();
    }
}
BENCHMARK(BM_RejectedClickWithRepaint);

// The click that ends a game: the card taken, the table with nothing left to take, the winnings
// and the ranking, and the three data files saved and synced to the disk.
void BM_GameEndingClickWithSave(benchmark::State& state) {
    MainForm& form = GameOnTable();
    s.TableCards = {33, 7, 15, 16, 17, 18};  // the seven of clubs takes the seven of hearts' place
    s.FirstSelection = false;
    s.Deck[s.DeckPosition] = 22;  // and the nine of diamonds leaves nothing to take
    const Snapshot before;
    const auto ranking = s.Ranking;
    const PlayerRecordType record = s.PlayerRecord;
    const Counter credit = s.Credit;
    for (auto _ : state) {
        before.restore();
        s.Ranking = ranking, s.PlayerRecord = record, s.Credit = credit;
        form.Form_MouseDown(1, 0, 40.f, 200.f);
        form.Form_Click();
        PaintAsTheEventLoopWould();
        if (!s.GameOver) state.SkipWithError("the click did not end the game");
    }
}
BENCHMARK(BM_GameEndingClickWithSave)->Unit(benchmark::kMillisecond);

// The whole table, every label over it included: what a window system's expose costs.
void BM_WholeTableRepaint(benchmark::State& state) {
    MainForm& form = GameOnTable();
    for (auto _ : state) form.table()->repaint();
}
BENCHMARK(BM_WholeTableRepaint);

void BM_EvaluatePokerHand(benchmark::State& state) {
    s.TableCards = {0, 40, 49, 50, 51, 52};
    for (auto _ : state) {
        Events out;
        EvaluatePokerHand(s, out);
        benchmark::DoNotOptimize(s.Win);
    }
}
BENCHMARK(BM_EvaluatePokerHand);

void BM_DealTable(benchmark::State& state) {
    GameOnTable();
    for (auto _ : state) {
        DealTable(s);
        benchmark::DoNotOptimize(s.Deck);
    }
}
BENCHMARK(BM_DealTable);

void BM_ShowCardPoints(benchmark::State& state) {
    GameOnTable();
    Counter n = 0;
    for (auto _ : state) {
        s.GameCards = n++ % 53;
        ShowCardPoints();
    }
}
BENCHMARK(BM_ShowCardPoints);

// The splash logo lies on the way to the first window: drawn afresh, and as the picture the build
// prepared for the ratio.
void BM_SplashLogoDrawn(benchmark::State& state) {
    const auto ratio = static_cast<qreal>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(RenderSplashLogo(kSplashLogoBox, ratio));
}
BENCHMARK(BM_SplashLogoDrawn)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SplashLogoPrepared(benchmark::State& state) {
    const auto ratio = static_cast<qreal>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(SplashLogoFor(ratio));
}
BENCHMARK(BM_SplashLogoPrepared)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The window icon is drawn when a window is first shown.
void BM_GameIcon(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(RenderGameIcon(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_GameIcon)->Arg(32)->Arg(256)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir directory;
    platform::SetProgramDirectory(directory.path());
    platform::SetSoundHook([](const QString&) {});
    platform::MessageBoxRecorder boxes;
    if (!PrepareMainWindow()) return 1;
    ShowMainWindow();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
