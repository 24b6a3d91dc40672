// The main window's event handlers: table presses and clicks, repaints and the three buttons.
#include <cmath>

#include "cardlib/CardLib.h"
#include "files/FileObject.h"
#include "platform/Sound.h"
#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/Poker.h"
#include "screen/CardChart.h"
#include "screen/Messages.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "screen/TableGeometry.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/MainForm.h"

namespace zarvelo {

void MainForm::Form_MouseDown(int, int, float x, float y) { RecordPress(x, y); }

void MainForm::PressSlot(int slot) {
    const QPointF centre = QRectF(SlotRect(slot)).center();
    Form_MouseDown(static_cast<int>(Qt::LeftButton), 0, static_cast<float>(centre.x()),
                   static_cast<float>(centre.y()));
    Form_Click();
}

void MainForm::Form_Click() { TakeCardAtPress(); }

void MainForm::Form_Paint() {
    const GameState& s = State();
    if (s.FirstSelection && !s.GameInProgress) {
        ShowIdleTable();
    } else {
        RefreshTable();
    }
}

void MainForm::CommandBet_Click() { BetOneUnit(); }

void MainForm::CommandNextGame_Click() { StartNextGame(); }

void MainForm::CommandRepeatBet_Click() { RepeatBet(); }

}  // namespace zarvelo
