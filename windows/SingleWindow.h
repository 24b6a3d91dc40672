// One instance of a window class: made on first use, gone once it is closed.
#pragma once

#include <QPointer>
#include <QWidget>

namespace zarvelo {

template <typename Window>
class SingleWindow {
public:
    static Window& instance() {
        if (!window_) {
            window_ = new Window;
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *window_;
    }
    static bool exists() { return !window_.isNull(); }
    // Shows the window modeless; one already open only comes forward.
    static Window& showModeless() {
        Window& w = instance();
        w.show();
        w.raise();
        w.activateWindow();
        return w;
    }

private:
    static inline QPointer<Window> window_;
};

// Twips (1/1440 inch) of a window design to pixels at 96 dpi.
constexpr int Twips(int twips) { return twips / 15; }
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace zarvelo
