// The card chart: which cards of the current deck have not yet appeared on the table.
#pragma once

#include <QString>

namespace zarvelo {

void ResetCardChart();
void ShowCardChart();

// The text of chart row suitIndex (0 to 3) as built from the chart's cells.
QString CardChartRowText(int suitIndex);

inline const QString kFullRankList = QStringLiteral("A 2 3 4 5 6 7 8 9 10 J Q K");

}  // namespace zarvelo
