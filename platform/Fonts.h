// The layout's font names mapped to the fonts of this system.
#pragma once

#include <QFont>
#include <QString>

namespace zarvelo::platform {

// A font by the name the layout uses ("Small Fonts", "Arial", "MS PGothic", "System" or empty for
// the window's default), mapped to the fonts of this system; size in points at 96 dpi.
QFont UiFont(const QString& family, double points, bool bold = false, bool italic = false);

}  // namespace zarvelo::platform
