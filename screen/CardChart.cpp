// The card chart: which cards of the current deck have not yet appeared on the table.
#include "screen/CardChart.h"

#include "rules/Game.h"
#include "screen/NamedControls.h"

namespace zarvelo {

void ResetCardChart() {
    for (Label* row : Controls().LeftCard) row->setText(kFullRankList);
}

QString CardChartRowText(int suitIndex) {
    const GameState& s = State();
    QString text;
    const auto& row = s.CardChart[suitIndex];
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
