// Resetting the shared state, and the counter arithmetic every module uses for money.
#include "state/GameState.h"

#include <limits>

namespace zarvelo {

void ResetGameState() {
    PlayerName.clear();
    PreviousPlayerName.clear();
    Credit = BankruptCount = Bet = LastBet = Win = 0;
    Stage = DeckPosition = GameCards = TotalCards = HiScore = 0;
    FirstSelection = PlayableExists = StageCleared = GameOver = GameInProgress = false;
    Deck.fill(0);
    TableCards.fill(0);
    for (auto& row : CardChart) row.fill(QChar());
    PointRate.fill(0);
    PointRange.fill(QString());
    PointValue.fill(0);
    PokerPrize.fill(0);
    PokerCount.fill(0);
    PlayerRecord = PlayerRecordType{};
    Ranking.fill(RankingEntry{});
    MainCaption.clear();
    MessageText.clear();
    ClickX = ClickY = 0;
}

namespace {
Counter Clamp(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<Counter>::min();
    constexpr std::int64_t hi = std::numeric_limits<Counter>::max();
    return static_cast<Counter>(value < lo ? lo : (value > hi ? hi : value));
}
}  // namespace

Counter SaturatingAdd(Counter a, Counter b) { return Clamp(static_cast<std::int64_t>(a) + b); }

Counter SaturatingMul(Counter a, Counter b) { return Clamp(static_cast<std::int64_t>(a) * b); }

}  // namespace zarvelo
