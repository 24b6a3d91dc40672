// Taking a card from the row: which slot a press hits, the suit-or-value rule, card points, and
// what follows a used-up deck or a row with nothing to take.
#pragma once

#include "rules/Events.h"
#include "rules/Game.h"
#include "rules/TableSlots.h"

namespace zarvelo {

// The row slot (1 to 5) whose columns, with one more on its right, hold x; 0 for none.
int SlotAt(Counter x);

// Form_MouseDown's step: where the press was, in whole pixels.
void RecordPress(Game& game, float x, float y);
// Form_Click's steps at the recorded press: a pick at a row slot, or the reason nothing happens.
std::vector<Event> TakeCardAtPress(Game& game, EventSink& sink);
void TakeCardAtPress(GameState& s, Events& out);

void AwardCardPoints(GameState& s, Events& out);
void RedealTable(GameState& s, Events& out);

// Credits multiplier for n cards taken in a stage; 0 when that count pays nothing.
int CardPointMultiplier(int cardsInStage);

// The deck is used up: a new deck within the same game.
void ClearStage(GameState& s, Events& out);

// Nothing in the row can be taken: the winnings are paid, the record and ranking saved and the
// betting buttons come back.
void EndGame(GameState& s, Events& out);

}  // namespace zarvelo
