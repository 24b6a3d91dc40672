// The waiting table shown while the player bets.
#include "screen/TableDrawing.h"

#include "cardlib/CardLib.h"
#include "screen/CardChart.h"
#include "windows/MainForm.h"

namespace zarvelo {

void ShowIdleTable() {
    MainForm& f = MainForm::instance();
    for (QPushButton* button : {f.CommandBet, f.CommandNextGame, f.CommandRepeatBet}) button->show();
    for (ShapeOutline* frame : f.FrameNotice) frame->hide();
    for (int i = 1; i <= 5; ++i) {
        cardlib::DrawSymbol(f.hWnd(), cardlib::kEmptySlotSymbol, 7 + 85 * (i - 1), 167);
    }
    f.LabelMessage->setText(QStringLiteral("Please bet and start"));
    ResetCardChart();
}

}  // namespace zarvelo
