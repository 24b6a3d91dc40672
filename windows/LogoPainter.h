// The splash window's logo: a fan of cards on a felt table, drawn entirely with vector paths.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace zarvelo {

inline constexpr int kLogoWidth = 398, kLogoHeight = 386;  // logical pixels

// Paints the logo into the rectangle (scaled to fit it exactly; the picture is stretched to its box).
void PaintSplashLogo(QPainter& painter, const QRectF& target);

// Convenience: the logo as an image of logical size 398 x 386 at the given device pixel ratio.
QImage RenderSplashLogo(qreal devicePixelRatio = 1.0);

}  // namespace zarvelo
