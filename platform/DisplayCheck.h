// Whether the window system the program is about to use can be reached at all.
#pragma once

#include <string>

namespace zarvelo::platform {

// Empty when a display answers, or when Qt is told to use something other than X11 or Wayland
// (offscreen, say); otherwise one line for standard error that says what is missing. Asked once
// Qt has failed to connect, since asking costs a connection of its own.
std::string MissingDisplayReason();

}  // namespace zarvelo::platform
