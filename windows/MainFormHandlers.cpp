// The main window's event handlers: table presses and clicks, repaints and the three buttons.
#include "rules/Betting.h"
#include "rules/CardSelection.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "rules/TableGeometry.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"

namespace zarvelo {

void MainForm::Form_MouseDown(int, int, float x, float y) { RecordPress(TheGame(), x, y); }

void MainForm::PressSlot(int slot) {
    const QPointF centre = QRectF(SlotRect(slot)).center();
    Form_MouseDown(static_cast<int>(Qt::LeftButton), 0, static_cast<float>(centre.x()),
                   static_cast<float>(centre.y()));
    Form_Click();
}

void MainForm::Form_Click() { TakeCardAtPress(TheGame(), WindowSink()); }

void MainForm::Form_Paint() { zarvelo::Form_Paint(TheGame(), WindowSink()); }

void MainForm::CommandBet_Click() { BetOneUnit(TheGame(), WindowSink()); }

void MainForm::CommandNextGame_Click() { StartNextGame(TheGame(), WindowSink()); }

void MainForm::CommandRepeatBet_Click() { RepeatBet(TheGame(), WindowSink()); }

}  // namespace zarvelo
