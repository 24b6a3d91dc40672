// The card chart: which cards of the current deck have not yet appeared on the table.
#include "screen/CardChart.h"

#include "state/GameState.h"
#include "windows/NamedControls.h"

namespace zarvelo {

void FillCardChart() {
    for (auto& row : CardChart) {
        row[0] = QLatin1Char('A');
        // The ten's cell holds only the "1" of "10".
        for (int v = 1; v <= 9; ++v) row[v] = QString::number(v + 1).at(0);
        row[10] = QLatin1Char('J');
        row[11] = QLatin1Char('Q');
        row[12] = QLatin1Char('K');
    }
}

void ResetCardChart() {
    for (Label* row : Controls().LeftCard) row->setText(kFullRankList);
}

QString CardChartRowText(int suitIndex) {
    QString text;
    const auto& row = CardChart[suitIndex];
    for (int v = 0; v < 13; ++v) {
        if (v == 9) {
            text += row[v] != QLatin1Char(' ') ? QStringLiteral("10 ") : QStringLiteral("   ");
        } else {
            text += row[v];
            text += QLatin1Char(' ');
        }
    }
    return text;
}

void ShowCardChart() {
    NamedControls& c = Controls();
    for (int i = 0; i < 4; ++i) c.LeftCard[i]->setText(CardChartRowText(i));
}

}  // namespace zarvelo
