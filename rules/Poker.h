// Scoring the five table cards as a poker hand.
#pragma once

#include "rules/Events.h"

namespace zarvelo {

// The hands that pay, in the order of the prize table; None pays nothing.
enum class PokerHand { RoyalStraightFlush = 0, StraightFlush, FourCards, FullHouse, Flush, None };

// Classifies the five row slots of the table; an empty slot (0) matches no other card.
PokerHand ClassifyTable(const GameState& s);

// Pays a hand on the table into Win, counts it and names it in the message line.
void EvaluatePokerHand(GameState& s, Events& out);

}  // namespace zarvelo
