// The splash logo's gold: the rail's inlay, the question card's frame and mark, the word mark.
#pragma once

#include <QColor>
#include <QLinearGradient>

namespace zarvelo::artwork {

// Polished metal from top to bottom: bright, a dark band, a second highlight, dark again.
inline QLinearGradient GoldGradient(qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.00, QColor(255, 246, 196));
    g.setColorAt(0.30, QColor(246, 202, 82));
    g.setColorAt(0.52, QColor(176, 124, 22));
    g.setColorAt(0.72, QColor(250, 218, 112));
    g.setColorAt(1.00, QColor(132, 88, 14));
    return g;
}

}  // namespace zarvelo::artwork
