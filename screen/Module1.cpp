// The main window's set-up at start-up.
#include "screen/Module1.h"

#include "rules/Betting.h"
#include "screen/CardChart.h"
#include "state/GameState.h"
#include "windows/MainForm.h"

namespace zarvelo {

void InitMainWindow() {
    MainForm& f = MainForm::instance();
    f.LabelMessage->setText(QStringLiteral("Please bet and start"));
    SetButtonMode(ButtonMode::Betting);
    for (int i = 1; i <= 5; ++i) {
        f.FrameNotice[i]->move(2 + 85 * (i - 1), 162);
        f.FrameNotice[i]->hide();
    }
    MainCaption = QStringLiteral("Zarvelo(") + PlayerName + QLatin1Char(')');
    ResetCardChart();
}

}  // namespace zarvelo
