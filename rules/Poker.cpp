// Scoring the five table cards as a poker hand.
#include "rules/Poker.h"

#include <array>
#include <utility>

#include "cardlib/CardLib.h"

namespace zarvelo {

PokerHand ClassifyTable(const GameState& s) {
    std::array<int, 5> suits{};
    std::array<int, 5> values{};
    int cards = 0;  // real cards among the five slots
    for (int i = 1; i <= 5; ++i) {
        suits[i - 1] = cardlib::GetCardSuit(s.TableCards[i]);
        values[i - 1] = cardlib::GetCardValue(s.TableCards[i]);
        if (values[i - 1] != 0) ++cards;
    }
    // Sorted values of the real cards only: an empty slot must neither pair nor fill a hand.
    std::array<int, 5> w{};
    int m = 0;
    for (int v : values)
        if (v != 0) w[m++] = v;
    for (int i = 1; i < m; ++i)  // insertion sort: at most five values
        for (int j = i; j > 0 && w[j - 1] > w[j]; --j) std::swap(w[j - 1], w[j]);

    auto runFrom = [&](int start) {
        int n = 0;
        while (start + n < m && w[start + n] == w[start]) ++n;
        return n;
    };
    const int r1 = m > 0 ? runFrom(0) : 0;
    if (r1 == 4) return PokerHand::FourCards;
    const int r2 = r1 < m ? runFrom(r1) : 0;
    if (r1 == 1 && r2 == 4) return PokerHand::FourCards;
    if ((r1 == 2 && r2 == 3) || (r1 == 3 && r2 == 2)) return PokerHand::FullHouse;

    if (cards != 5) return PokerHand::None;
    for (int i = 0; i < 4; ++i)
        if (suits[i] != suits[i + 1]) return PokerHand::None;
    bool consecutive = true;
    for (int i = 0; i < 4; ++i) consecutive = consecutive && w[i + 1] - w[i] == 1;
    if (consecutive) return PokerHand::StraightFlush;
    if (w[0] == 1 && w[1] == 10 && w[2] == 11 && w[3] == 12 && w[4] == 13) {
        return PokerHand::RoyalStraightFlush;
    }
    return PokerHand::Flush;
}

void EvaluatePokerHand(GameState& s, Events& out) {
    static const char* const kNames[kPokerHands] = {"Royal Straight Flush", "Straight Flush",
                                                    "4 Cards", "Full House", "Flush"};
    s.MessageText.clear();
    const PokerHand hand = ClassifyTable(s);
    if (hand == PokerHand::None) return;
    const int k = static_cast<int>(hand);
    s.PokerCount[k] = SaturatingAdd(s.PokerCount[k], 1);
    const Counter before = s.Win;
    s.Win = SaturatingAdd(s.Win, s.PokerPrize[k]);
    s.MessageText = QString::fromLatin1(kNames[k]);
    out.MoneyMoved(Money::PokerPrize, s.Win - before, s.MessageText);
}

}  // namespace zarvelo
