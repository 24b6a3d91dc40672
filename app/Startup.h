// Start-up and shutdown of the program.
#pragma once

namespace zarvelo {

// Readies everything and shows the main window; returns false when the program must end.
bool Main();
void InitializeProgramState();

}  // namespace zarvelo
