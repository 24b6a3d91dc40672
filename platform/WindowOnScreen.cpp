// A window manager maps a new window when it likes, and a paint sent before that is lost: so the
// first frame is drawn on the window's first expose, which Qt answers by painting at once. On X
// that expose can come while the window manager's frame around the window is still unmapped, so
// the window is painted once more when the server says it is really viewable.
#include "platform/WindowOnScreen.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#ifdef ZARVELO_HAVE_XCB
#include <xcb/xcb.h>
#endif

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
// Whether the window and every window around it are mapped; true off X.
bool Viewable(QWindow* window) {
#ifdef ZARVELO_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return true;
    const auto cookie =
        xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window->winId()));
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(connection, cookie, nullptr);
    const bool viewable = !reply || reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return viewable;
#else
    (void)window;
    return true;
#endif
}
}  // namespace

bool ShowOnScreen(QWidget& widget, int timeoutMs) {
    // One deadline for both waits below.
    QElapsedTimer waited;
    waited.start();
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
    if (!Viewable(window)) {
        // The map that makes it viewable arrives as an event; a timer ends the wait otherwise.
        QTimer deadline;
        deadline.start(static_cast<int>(std::max<qint64>(1, timeoutMs - waited.elapsed())));
        do {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
        } while (!Viewable(window) && waited.elapsed() < timeoutMs);
        widget.repaint();
    }
    // The frame has been sent; a round trip makes sure the window system has taken it.
    QGuiApplication::sync();
    return true;
}

}  // namespace zarvelo::platform
