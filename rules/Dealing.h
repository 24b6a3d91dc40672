// The deck, the deal and the marking of playable cards.
#pragma once

#include <functional>

#include "rules/Events.h"
#include "rules/Game.h"

namespace zarvelo {

// Every chart cell back to its rank: the whole deck is still to come.
void FillCardChart(GameState& s);
void ShuffleDeck(GameState& s);
void DealTable(GameState& s);
// Whether a row card other than at a deal's first pick may be taken: what keeps a game going.
void MarkPlayableCards(GameState& s);
// The playable cards marked, then the table shown as it lies.
void RefreshTable(GameState& s, Events& out);
std::vector<Event> RefreshTable(Game& game, EventSink& sink);
// What a repaint draws: the waiting table until a game's first pick, else the table refreshed.
std::vector<Event> Form_Paint(Game& game, EventSink& sink);

// The shuffle's random numbers, uniform in [0, 1); tests replace the source to fix a deck.
using RandomSource = std::function<double()>;
void SetRandomSource(RandomSource source);  // empty restores the clock-seeded generator

}  // namespace zarvelo
