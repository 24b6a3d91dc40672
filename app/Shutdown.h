// Ending the program from outside: termination signals and the end of the desktop session.
#pragma once

namespace zarvelo {

// From now on SIGTERM, SIGHUP and SIGINT, the end of the session and any quit of the
// application run the closing saves of the main window without a box.
void SaveWhenEndedFromOutside();

// Puts the signals back to their default actions (tests).
void RestoreSignalDefaults();

}  // namespace zarvelo
