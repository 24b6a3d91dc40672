// The main window's colours, named by what they colour.
#pragma once

#include <QColor>

namespace zarvelo::palette {

inline const QColor kPrizePanel(192, 255, 255);  // the "Porker Prize" panel, and the score
inline const QColor kCardPointCaption(192, 255, 192);
inline const QColor kPointRow(255, 255, 255);
inline const QColor kHighlightedPointRow(255, 192, 192);
inline const QColor kCardChart(255, 224, 192);
inline const QColor kHiScore(255, 128, 0);
inline const QColor kCredit(192, 192, 255);
inline const QColor kBet(255, 192, 255);
inline const QColor kWin(255, 255, 192);
inline const QColor kMessage(0, 255, 255);
inline const QColor kNoticeFrame(255, 0, 0);
inline const QColor kSpareFrame(64, 64, 0);
// The chart's suit pictures: red suits solid, black suits as a white outline on the black table.
inline const QColor kRedSuitPicture(255, 0, 0);
inline const QColor kBlackSuitPicture(255, 255, 255);

}  // namespace zarvelo::palette
