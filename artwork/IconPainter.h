// The program icon: a white question mark on green between the four suits, painted as vectors.
#pragma once

#include <QIcon>
#include <QImage>

namespace zarvelo {

// The icon at logicalSize x logicalSize logical pixels (ARGB32_Premultiplied, ratio set).
QImage RenderGameIcon(int logicalSize, qreal devicePixelRatio = 1.0);

// The window icon, offered in the sizes 16 to 128 and each drawn when first needed.
QIcon MakeGameIcon();

}  // namespace zarvelo
