// The main window's client area: shows the table surface and passes presses and clicks on it on.
#pragma once

#include <QWidget>

#include "cardlib/TableSurface.h"

namespace zarvelo {

class MainForm;

class TableView : public QWidget {
public:
    TableView(QWidget* parent, MainForm* form);
    cardlib::TableSurface& surface() { return surface_; }
    MainForm* form() const { return form_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MainForm* form_;
    cardlib::TableSurface surface_;
    bool leftPressed_ = false;
};

}  // namespace zarvelo
