// The splash window shown during start-up.
#pragma once

#include <QWidget>

#include "screen/Controls.h"

namespace zarvelo {

class frmSplash : public QWidget {
public:
    frmSplash();

    QWidget* Frame1 = nullptr;
    QWidget* imgLogo = nullptr;
    Label* lblProductName = nullptr;
    Label* lblCompanyProduct = nullptr;
    Label* lblLicenseTo = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zarvelo
