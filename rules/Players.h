// The player's side of the game: the player change of the name entry, and the record saved when
// the program closes.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "rules/Events.h"
#include "rules/Game.h"

namespace zarvelo {

// The window's caption names the player now playing.
void NameWindowForPlayer(Game& game);

// The name entry became the active window: the name a change is measured against.
void RememberPlayerName(Game& game);

// The player change with the name as typed: the outgoing player saved, the incoming one loaded or
// made, any game of the outgoing one abandoned and the waiting table shown. When the name is the
// same the player plays on and the table is only drawn again.
// The record a player's file holds, if there is one.
using StoredRecord = std::function<std::optional<PlayerRecordType>(const QString& player)>;
std::vector<Event> ChangePlayer(Game& game, const QString& typedName, const StoredRecord& stored,
                                EventSink& sink);

// The live credit into the record, then the ranking and the player's files saved: what a quit,
// an end from outside and the end of the desktop session keep.
std::vector<Event> SaveSession(Game& game, EventSink& sink);

// The program is closing: a stake not yet played is lost, which a player who is there is warned
// of; then the session is saved.
std::vector<Event> Form_QueryUnload(Game& game, bool playerPresent, EventSink& sink);

}  // namespace zarvelo
