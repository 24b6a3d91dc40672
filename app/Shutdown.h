// Ending the program from outside: termination signals, the end of the desktop session, the loss
// of the display.
#pragma once

#include <functional>

namespace zarvelo {

// From now on SIGTERM, SIGHUP and SIGINT, the session manager's end, a quit nobody chose in the
// game and the loss of the display connection save what a quit would save, without a box and
// whatever box is open, and end the process.
void SaveWhenEndedFromOutside();

// Ending from outside, with nobody to answer a box: the closing saves run unless they have
// already, problems go to standard error, and the process ends with the status.
void EndUnattended(int status = 0);
// At the end of the desktop session: saves what a quit would save and plays on.
void SaveForSessionEnd();

// How the process ends (tests record it instead); an empty function restores the real end.
void SetProcessEnd(std::function<void(int status)> end);

// Puts the signals back to their default actions and stops watching (tests).
void RestoreSignalDefaults();

}  // namespace zarvelo
