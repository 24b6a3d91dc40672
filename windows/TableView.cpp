// Painting of the table surface and the mouse events of the table.
#include "windows/TableView.h"

#include <QMouseEvent>
#include <QPainter>

#include "rules/TableGeometry.h"
#include "windows/MainForm.h"

namespace zarvelo {

TableView::TableView(QWidget* parent, MainForm* form)
    : QWidget(parent), form_(form), surface_(this, QSize(kTableWidth, kTableHeight)) {
    setFixedSize(kTableWidth, kTableHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableView::paintEvent(QPaintEvent* event) {
    if (surface_.syncPixelRatio()) {
        // The window moved to a screen of another pixel ratio, or the view to another place
        // between device pixels: the surface is blank, so the table is painted again once this
        // paint is done.
        QMetaObject::invokeMethod(
            form_, [form = form_] { form->Form_Paint(); }, Qt::QueuedConnection);
    }
    QPainter painter(this);
    surface_.show(painter, event->rect());
}

void TableView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    form_->Form_MouseDown(static_cast<int>(event->button()), static_cast<int>(event->modifiers()),
                          static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    event->accept();
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and release on the table itself.
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    event->accept();
    if (click) form_->Form_Click();
}

}  // namespace zarvelo
