// Ending the program from outside: termination signals and the end of the desktop session.
#pragma once

namespace zarvelo {

// From now on SIGTERM, SIGHUP and SIGINT, the end of the session and any quit of the
// application run the closing saves of the main window without a box.
void SaveWhenEndedFromOutside();

// Ending from outside, with nobody to answer a box: the close and its saves run as a quit
// would, without the stake warning; problems go to standard error.
void EndUnattended();
// For a quit that bypasses the window's closing: the closing saves, once.
void SaveUnattended();
// At the end of the desktop session: saves what a quit would save and plays on.
void SaveForSessionEnd();

// Puts the signals back to their default actions (tests).
void RestoreSignalDefaults();

}  // namespace zarvelo
