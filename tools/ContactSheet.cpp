// The contact sheet paints through the card library onto a table surface, as the table does, so
// it shows the faces exactly as the game shows them at this ratio.
#include "tools/ContactSheet.h"

#include <QPainter>
#include <QWidget>

#include "cardlib/CardLib.h"
#include "cardlib/TableSurface.h"
#include "windows/MainForm.h"

namespace zarvelo {

namespace {

// Multiples of four, so every place is a whole device pixel at 1.25, 1.5 and 1.75.
constexpr int kMargin = 8, kPitchX = 80, kPitchY = 104;
constexpr QSize kSheet(kMargin + 13 * kPitchX, kMargin + 5 * kPitchY);

QPoint Cell(int row, int column) { return {kMargin + column * kPitchX, kMargin + row * kPitchY}; }

}  // namespace

QImage RenderContactSheet(MainForm& form) {
    QWidget view;
    view.setFixedSize(kSheet);
    cardlib::TableSurface surface(&view, kSheet);
    const cardlib::WindowHandle handle = cardlib::RegisterSurface(&surface);
    surface.clear();
    for (int card = 1; card <= 52; ++card) {
        const QPoint at = Cell(cardlib::GetCardSuit(card) - 1, cardlib::GetCardValue(card) - 1);
        cardlib::DealCard(handle, card, at.x(), at.y());
    }
    const QPoint mark = Cell(4, 0);
    cardlib::DrawSymbol(handle, cardlib::kEmptySlotSymbol, mark.x(), mark.y());
    cardlib::UnregisterSurface(handle);

    QImage sheet = surface.image().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&sheet);
    // The panels as the window paints them: suit pictures at their sizes and the small print.
    QWidget* const panels[] = {form.Frame1, form.FrameNumberOfCards, form.Frame3};
    QPoint at = Cell(4, 1);
    for (QWidget* panel : panels) {
        panel->render(&painter, at, QRegion(), QWidget::DrawChildren);
        at.rx() += 176;
    }
    painter.end();
    return sheet;
}

}  // namespace zarvelo
