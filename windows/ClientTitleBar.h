// A title bar drawn by the program, for window systems that leave title bars to their clients.
#pragma once

#include <QWidget>

namespace zarvelo {

// The window's icon and title, and a close box only on windows that have one: no minimise or
// maximise buttons, since the game's windows have none. Dragging the bar moves the window.
class ClientTitleBar : public QWidget {
public:
    static constexpr int kHeight = 24;

    ClientTitleBar(QWidget* window, bool closeBox);
    bool hasCloseBox() const { return closeBox_; }
    QRect closeBoxRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool closeBox_;
    bool closePressed_ = false;
};

// Where the window system draws no title bars, makes the window frameless and gives it ours:
// the contents move down by the bar's height and the window grows by as much. Elsewhere it
// does nothing. Call it once the window has its fixed size.
void GiveTitleBarIfNeeded(QWidget* window, bool closeBox);
// The same, whatever the window system: for tests.
void GiveTitleBar(QWidget* window, bool closeBox);

}  // namespace zarvelo
