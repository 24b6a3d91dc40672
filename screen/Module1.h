// The main window's set-up at start-up.
#pragma once

namespace zarvelo {

void InitMainWindow();

}  // namespace zarvelo
