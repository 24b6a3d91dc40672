// The player's side of the game: the player change of the name entry, and the record saved when
// the program closes.
#pragma once

#include <QString>

namespace zarvelo {

// The window's caption names the player now playing.
void NameWindowForPlayer();

// The name entry became the active window: the name a change is measured against.
void RememberPlayerName();

// The player change with the name as typed: the outgoing player saved, the incoming one loaded or
// made, any game of the outgoing one abandoned. False when the name is the same and the player
// plays on; the window then only redraws.
bool ChangePlayer(const QString& typedName);

// The live credit into the record, then the ranking and the player's files saved: what a quit,
// an end from outside and the end of the desktop session keep.
void SaveSession();

}  // namespace zarvelo
