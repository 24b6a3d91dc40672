// The main window's set-up at start-up.
#include "screen/Module1.h"

#include "rules/Messages.h"
#include "rules/TableGeometry.h"
#include "screen/CardChart.h"
#include "screen/NamedControls.h"
#include "screen/ScreenObject.h"

namespace zarvelo {

void InitMainWindow() {
    NamedControls& c = Controls();
    c.LabelMessage->setText(kPleaseBetAndStart);
    SetButtonMode(ButtonMode::Betting);
    for (int i = 1; i <= 5; ++i) {
        c.FrameNotice[i]->move(NoticeFrameRect(i).topLeft());
        c.FrameNotice[i]->hide();
    }
    ResetCardChart();
}

}  // namespace zarvelo
