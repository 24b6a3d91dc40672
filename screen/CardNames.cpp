// Cards, suits and chart rows in plain English words.
#include "screen/CardNames.h"

#include <array>

#include "cardlib/CardLib.h"

namespace zarvelo {

QString SuitName(int suit) {
    static const std::array<const char*, 4> kSuits = {"Clubs", "Diamonds", "Hearts", "Spades"};
    return suit >= 1 && suit <= 4 ? QString::fromLatin1(kSuits[static_cast<size_t>(suit - 1)])
                                  : QString();
}

QString CardName(CardNumber card) {
    static const std::array<const char*, 13> kRanks = {"Ace",  "Two",   "Three", "Four", "Five",
                                                       "Six",  "Seven", "Eight", "Nine", "Ten",
                                                       "Jack", "Queen", "King"};
    const int suit = cardlib::GetCardSuit(card), value = cardlib::GetCardValue(card);
    if (suit == 0 || value == 0) return QString();
    return QString::fromLatin1(kRanks[static_cast<size_t>(value - 1)]) + QStringLiteral(" of ") +
           SuitName(suit);
}

QString ChartRowName(int suit, const QString& rowText) {
    const QString ranks = rowText.simplified();
    return SuitName(suit) + QStringLiteral(": ") +
           (ranks.isEmpty() ? QStringLiteral("none") : ranks);
}

}  // namespace zarvelo
