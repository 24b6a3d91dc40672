// A window manager maps a new window when it likes, and a paint sent before that is lost: so the
// first frame is drawn on the window's first expose, which Qt answers by painting at once.
#include "platform/WindowOnScreen.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zarvelo::platform {

namespace {
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow* window, QEventLoop* loop) : window_(window), loop_(loop) {
        window_->installEventFilter(this);
    }
    ~ExposeWatcher() override { window_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window paints this expose itself once the filter lets it through; the loop ends
        // right after that.
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed())
            loop_->quit();
        return false;
    }

private:
    QWindow* window_;
    QEventLoop* loop_;
};
}  // namespace

bool ShowOnScreen(QWidget& widget, int timeoutMs) {
    widget.show();
    QWindow* window = widget.windowHandle();
    if (!window) return false;
    if (!window->isExposed()) {
        QEventLoop loop;
        ExposeWatcher watcher(window, &loop);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!window->isExposed()) return false;
    // The frame has been sent; a round trip makes sure the window system has taken it.
    QGuiApplication::sync();
    return true;
}

}  // namespace zarvelo::platform
