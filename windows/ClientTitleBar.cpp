// Painting and input of the program's own title bar.
#include "windows/ClientTitleBar.h"

#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/Fonts.h"
#include "platform/TitleBars.h"

namespace zarvelo {

ClientTitleBar::ClientTitleBar(QWidget* window, bool closeBox)
    : QWidget(window), closeBox_(closeBox) {
    setGeometry(0, 0, window->width(), kHeight);
    setFont(platform::UiFont(QString(), 9, true));
    window->installEventFilter(this);
}

QRect ClientTitleBar::closeBoxRect() const {
    return closeBox_ ? QRect(width() - kHeight + 3, 3, kHeight - 6, kHeight - 6) : QRect();
}

bool ClientTitleBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange: update(); break;
        case QEvent::Resize: resize(static_cast<QWidget*>(watched)->width(), kHeight); break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void ClientTitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool active = window()->isActiveWindow();
    const QColor base = active ? QColor(62, 92, 140) : QColor(120, 128, 140);
    p.fillRect(rect(), base);
    p.setPen(base.darker(140));
    p.drawLine(0, height() - 1, width(), height() - 1);
    int left = 4;
    const QIcon icon = window()->windowIcon();
    if (!icon.isNull()) {
        icon.paint(&p, QRect(left, (kHeight - 16) / 2, 16, 16));
        left += 20;
    }
    const int right = closeBox_ ? closeBoxRect().left() - 4 : width() - 4;
    p.setPen(active ? Qt::white : QColor(225, 225, 225));
    const QRect textBox(left, 0, right - left, kHeight);
    p.drawText(textBox, Qt::AlignCenter,
               fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, textBox.width()));
    if (closeBox_) {
        const QRect box = closeBoxRect();
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(box, closePressed_ ? base.darker(130) : base.lighter(115));
        p.setPen(QPen(Qt::white, 2));
        const QRect cross = box.adjusted(5, 5, -5, -5);
        p.drawLine(cross.topLeft(), cross.bottomRight() + QPoint(1, 1));
        p.drawLine(cross.bottomLeft() + QPoint(0, 1), cross.topRight() + QPoint(1, 0));
    }
}

void ClientTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (closeBoxRect().contains(event->position().toPoint())) {
        closePressed_ = true;
        update();
    } else if (QWindow* handle = window()->windowHandle()) {
        handle->startSystemMove();
    }
}

void ClientTitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !closePressed_) return;
    closePressed_ = false;
    update();
    // Released over the box, as with any close box.
    if (closeBoxRect().contains(event->position().toPoint())) window()->close();
}

void GiveTitleBar(QWidget* window, bool closeBox) {
    // The title hints mean nothing without a frame, and some of them would bring one back.
    const bool shown = window->isVisible();
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QSize size = window->size();
    if (window->layout()) {
        window->layout()->activate();  // the size it will have when shown
        size = window->sizeHint();
        // A laid-out window (the main window) keeps the bar's room free through its margins.
        window->setContentsMargins(0, ClientTitleBar::kHeight, 0, 0);
    } else {
        for (QObject* child : window->children())
            if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
                widget->move(widget->pos() + QPoint(0, ClientTitleBar::kHeight));
    }
    window->setFixedSize(size.width(), size.height() + ClientTitleBar::kHeight);
    new ClientTitleBar(window, closeBox);
    if (shown) window->show();  // new flags hide a window
}

void GiveTitleBarIfNeeded(QWidget* window, bool closeBox) {
    if (!platform::WindowSystemDrawsTitleBars()) GiveTitleBar(window, closeBox);
}

}  // namespace zarvelo
