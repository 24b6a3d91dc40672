// Showing a window and waiting until the window system really shows its first frame.
#pragma once

class QWidget;

namespace zarvelo::platform {

// Shows the window and returns once it is exposed and its first frame has reached the window
// system (on X: mapped, exposed, painted and the server caught up; on Wayland: configured,
// acknowledged and committed), or after timeoutMs if the window system never exposes it.
// User input is held back meanwhile. Returns whether the window was exposed in time.
bool ShowOnScreen(QWidget& widget, int timeoutMs);

}  // namespace zarvelo::platform
