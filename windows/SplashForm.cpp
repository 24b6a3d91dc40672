// The splash window: the logo on the left, the game's name and the player on the right.
#include "windows/SplashForm.h"

#include <qdrawutil.h>

#include <QFrame>
#include <QPainter>
#include <QScreen>

#include "artwork/LogoPainter.h"
#include "platform/Fonts.h"
#include "windows/SingleWindow.h"

namespace zarvelo {

namespace {
// The logo, stretched to its box at the screen's resolution. The build draws it in advance for the
// common ratios, since drawing it here would hold up the splash; the picture is kept, since the
// splash is painted more than once while start-up is waiting on it.
class LogoPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal dpr = devicePixelRatioF();
        if (picture_.isNull() || picture_.devicePixelRatio() != dpr) picture_ = SplashLogoFor(dpr);
        QPainter(this).drawImage(0, 0, picture_);
    }

private:
    QImage picture_;
};

Label* MakeLabel(QWidget* parent, QRect geometry, const QString& text, const QFont& font) {
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}
}  // namespace

frmSplash::frmSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(Twips(6930), Twips(4545));
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(TwipsRect(120, 60, 6705, 4395));
    Frame1 = frame;
    imgLogo = new LogoPicture(Frame1);
    imgLogo->setGeometry(TwipsRect(0, 120, 3375, 4305));
    Q_ASSERT(imgLogo->size() == kSplashLogoBox);
    lblProductName = MakeLabel(Frame1, TwipsRect(3360, 480, 3315, 765), QStringLiteral("Zarvelo?"),
                               platform::UiFont("Arial", 32.25, true));
    lblCompanyProduct =
        MakeLabel(Frame1, TwipsRect(3720, 1200, 2595, 270),
                  QStringLiteral("The Original Card Game"), platform::UiFont("Arial", 11.25, true));
    lblLicenseTo = MakeLabel(Frame1, TwipsRect(3360, 1680, 3255, 255), QStringLiteral("player :  "),
                             platform::UiFont(QString(), 8.25));
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmSplash::paintEvent(QPaintEvent*) {
    // A fixed dialog border around the whole window, raised. Painted rather than styled: a style
    // sheet would restyle every control of the splash while start-up waits for it.
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 2);
}

}  // namespace zarvelo
