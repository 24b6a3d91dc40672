// Start-up of the program: the one path every start takes, with or without the splash.
#pragma once

namespace zarvelo {

// Takes this copy's data folder for the game; when another copy already plays on it, brings
// that one to the front (or says that it runs) and returns false: this start then ends.
bool TakeDataFolder();

// Readies everything, shows the splash for its while and then the main window; returns false
// when the program must end.
bool Main();

// The start-up without the splash, for the tools and tests that start the game: the card
// library, the state of the last player and the ranking, and the main window set up to bet.
// Returns false when the program must end.
bool PrepareMainWindow();
// Shows the prepared main window and paints it at once.
void ShowMainWindow();

void InitializeProgramState();

class frmSplash;
// The splash, its licence line naming the player.
frmSplash& MakeSplash();

}  // namespace zarvelo
