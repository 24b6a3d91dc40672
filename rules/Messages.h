// The message line's texts and the window caption that more than one procedure writes.
#pragma once

#include <QString>

namespace zarvelo {

inline const QString kPleaseBetAndStart = QStringLiteral("Please bet and start");
inline const QString kSelectFirstCard = QStringLiteral("Select the first card please !");
inline const QString kGameOverMessage = QStringLiteral("Game Over");

// The main window's caption while this player plays.
inline QString CaptionFor(const QString& playerName) {
    return QStringLiteral("Zarvelo?(") + playerName + QLatin1Char(')');
}

}  // namespace zarvelo
