// Whether the window system the program is about to use can be reached at all.
#pragma once

#include <string>

namespace zarvelo::platform {

// Empty when a display answers, or when Qt is told to use something other than X11 or Wayland
// (offscreen, say); otherwise one line for standard error that says what is missing. Called before
// the application object exists, because Qt ends a program without a display with an abort and a
// hint to reinstall it.
std::string MissingDisplayReason();

}  // namespace zarvelo::platform
