// Who draws the windows' title bars: the window manager, or the program itself.
#pragma once

namespace zarvelo::platform {

// False on a Wayland compositor that leaves decorations to its clients (it offers no
// server-side decorations); the toolkit's stand-in title bar then shows minimise and maximise
// buttons on every window, so the program draws its own. True everywhere else.
bool WindowSystemDrawsTitleBars();

}  // namespace zarvelo::platform
