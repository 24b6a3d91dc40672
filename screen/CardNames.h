// Cards, suits and chart rows in plain English words, for those who hear the table rather than
// see it.
#pragma once

#include <QString>

#include "state/GameState.h"

namespace zarvelo {

// "Clubs", "Diamonds", "Hearts", "Spades" for the card library's suits 1 to 4; empty otherwise.
QString SuitName(int suit);

// "Seven of Hearts", "Queen of Spades"; empty for no card.
QString CardName(CardNumber card);

// A card chart row as its suit and the ranks it still lists, without the gaps that keep the
// columns: "Hearts: A 3 4 5 6 7 8 9 10 J Q K", or "Hearts: none" once the row is blank.
QString ChartRowName(int suit, const QString& rowText);

}  // namespace zarvelo
