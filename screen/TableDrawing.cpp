// The cards and slot marks painted on the table through the card library.
#include "screen/TableDrawing.h"

#include "cardlib/CardLib.h"
#include "platform/MessageBox.h"
#include "rules/Game.h"
#include "rules/Messages.h"
#include "rules/TableGeometry.h"
#include "rules/TableSlots.h"
#include "screen/CardChart.h"
#include "screen/NamedControls.h"
#include "screen/ScreenObject.h"

namespace zarvelo {

bool LoadCardLibrary() {
    if (cardlib::InitializeDeck(Controls().hWnd) != 0) return true;
    platform::ShowMessageBox(QStringLiteral("Qcard32.dll couldn't be loaded"),
                             QStringLiteral("DLL Error"));
    return false;
}

void ShowPlayableCards() {
    NamedControls& c = Controls();
    const TableSlotViews view = ViewOfTable(State());
    for (int i = 1; i <= 5; ++i) c.FrameNotice[i]->setVisible(view[i].playable);
}

void ShowTable() {
    ShowStatus();
    ShowCardChart();
    ShowPlayableCards();
    DrawTable();
}

void ClearTable() { cardlib::ClearTable(Controls().hWnd); }

void ShowIdleTable() {
    NamedControls& c = Controls();
    for (QPushButton* button : c.BettingButtons()) button->show();
    for (ShapeOutline* frame : c.FrameNotice) frame->hide();
    for (int i = 1; i <= 5; ++i) {
        const QPoint at = SlotOrigin(i);
        cardlib::DrawSymbol(c.hWnd, cardlib::kEmptySlotSymbol, at.x(), at.y());
    }
    c.LabelMessage->setText(kPleaseBetAndStart);
    ResetCardChart();
    if (c.TableDrawn) c.TableDrawn();
}

void DrawTable() {
    const GameState& s = State();
    NamedControls& c = Controls();
    const cardlib::WindowHandle window = c.hWnd;
    const TableSlotViews view = ViewOfTable(s);
    // While the player bets the row is drawn as it lies, and the waiting table's marks go over it.
    const bool betting = s.FirstSelection && !s.GameInProgress;
    if (s.FirstSelection) cardlib::ClearTable(window);
    for (int slot = s.FirstSelection ? 1 : 0; slot <= 5; ++slot) {
        const QPoint at = SlotOrigin(slot);
        const CardNumber card = betting ? s.TableCards[slot] : view[slot].card;
        if (card == 0) {
            // An emptied slot must not go on showing the card that was taken from it.
            cardlib::ClearCard(window, at.x(), at.y());
            continue;
        }
        cardlib::DealCard(window, card, at.x(), at.y());
    }
    if (c.TableDrawn) c.TableDrawn();
}

}  // namespace zarvelo
