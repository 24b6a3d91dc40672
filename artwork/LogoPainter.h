// The splash window's logo: a fan of cards on a felt table, drawn entirely with vector paths.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace zarvelo {

inline constexpr int kLogoWidth = 398, kLogoHeight = 386;  // logical pixels

// Paints the logo into the rectangle (scaled to fit it exactly; the picture is stretched to its
// box).
void PaintSplashLogo(QPainter& painter, const QRectF& target);

// The logo's box on the splash, in logical pixels.
inline constexpr QSize kSplashLogoBox(225, 287);

// The ratios for which the build draws the logo in advance (see SplashLogoFor).
inline constexpr int kPreparedLogoRatios[] = {1, 2};

// The logo stretched to `logical` at the given device pixel ratio.
QImage RenderSplashLogo(QSize logical = QSize(kLogoWidth, kLogoHeight),
                        qreal devicePixelRatio = 1.0);

// The logo for the splash's box: the picture the build drew for this ratio, or a fresh drawing
// for any other ratio or when that picture cannot be read.
QImage SplashLogoFor(qreal devicePixelRatio);

// Starts reading the logo for this ratio on another core; SplashLogoFor then takes that picture
// instead of reading it again. Start-up asks while it builds the main window.
void PrefetchSplashLogo(qreal devicePixelRatio);

}  // namespace zarvelo
