// Construction of the main window from its layout tables, and its window-level events.
#include "windows/MainForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QWindow>

#include "artwork/IconPainter.h"
#include "platform/Platform.h"
#include "windows/ClientTitleBar.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

MainForm* g_instance = nullptr;

enum class F { F0, F1, F2, F3, F4, F5, F6 };

QFont FontOf(F key) {
    using platform::UiFont;
    switch (key) {
        case F::F1: return UiFont("Small Fonts", 6);
        case F::F2: return UiFont("Small Fonts", 8.25, true);
        case F::F3: return UiFont("Small Fonts", 8.25);
        case F::F4: return UiFont("Arial", 12);
        case F::F5: return UiFont("Arial", 9);
        case F::F6: return UiFont("Arial", 8.25);
        case F::F0: break;
    }
    return UiFont(QString(), 8.25);
}

const QColor C1(192, 255, 255), C2(192, 255, 192), C3(255, 255, 255), C4(255, 224, 192),
    C5(255, 128, 0), C6(192, 192, 255), C7(255, 192, 255), C8(255, 255, 192), C9(0, 255, 255),
    C10(255, 0, 0);

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

struct LabelRow {
    Label** target;
    QWidget* parent;
    QRect geometry;
    const char* text;
    F font;
    QColor colour;
    Qt::Alignment alignment;
};

void Make(const LabelRow& row) {
    auto* label = new Label(row.parent);
    label->setGeometry(row.geometry);
    label->setText(QString::fromUtf8(row.text));
    label->setFont(FontOf(row.font));
    label->setTextColour(row.colour);
    label->setAlignment(row.alignment);
    *row.target = label;
}

// The buttons are narrow for their texts: no margin beyond the frame. A style sheet would do the
// same at a price start-up pays before the splash shows.
QStyle* TightButtonStyle() {
    class Tight : public QProxyStyle {
    public:
        int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
            return metric == PM_ButtonMargin ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
        }
    };
    static QPointer<QStyle> style;
    if (!style) style = new Tight;  // owned by the application's style machinery, never freed
    return style;
}

QPushButton* MakeButton(QWidget* parent, QRect geometry, const char* text, F font) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setGeometry(geometry);
    QFont face = FontOf(font);
    // "RepeatBet" is a little wider than its button; a slightly narrowed face keeps it whole.
    if (font == F::F6) face.setStretch(88);
    button->setFont(face);
    // Clicks leave the focus where it was, so Enter keeps meaning "RepeatBet".
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyle(TightButtonStyle());
    return button;
}

}  // namespace

MainForm& MainForm::instance() {
    if (!g_instance) g_instance = new MainForm;
    return *g_instance;
}

bool MainForm::exists() { return g_instance != nullptr; }

void MainForm::destroyInstance() {
    delete g_instance;
    g_instance = nullptr;
}

MainForm::MainForm() {
    setWindowTitle(QStringLiteral("Zarvelo?"));
    setWindowIcon(MakeGameIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    table_ = new TableView(this, this);
    setCentralWidget(table_);
    handle_ = cardlib::RegisterSurface(&table_->surface());
    buildPanels();
    buildStatusAndButtons();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    GiveTitleBarIfNeeded(this, true);
}

MainForm::~MainForm() { cardlib::UnregisterSurface(handle_); }

void MainForm::buildPanels() {
    QWidget* t = table_;
    FrameNumberOfCards = new CaptionFrame(t, QStringLiteral("Card Point"), FontOf(F::F0), C2);
    FrameNumberOfCards->setGeometry(8, 8, 161, 81);
    Frame1 = new CaptionFrame(t, QStringLiteral("Card Chart"), FontOf(F::F3), C4);
    Frame1->setGeometry(256, 8, 161, 81);
    Frame3 = new CaptionFrame(t, QStringLiteral("Porker Prize"), FontOf(F::F0), C1);
    Frame3->setGeometry(256, 96, 161, 65);

    QWidget* cp = FrameNumberOfCards;
    static const char* const kRanges[] = {"This Stage Clear", "25-27", "22-24", "19-21",
                                          "16-18", "13-15", "10-12"};
    static const char* const kValues[] = {"50", "13", "10", "7", "5", "3", "1"};
    Make({&LabelPoint[0], cp, {8, 16, 81, 9}, kRanges[0], F::F1, C3, kCentre});
    for (int i = 1; i <= 6; ++i) {
        Make({&LabelPoint[i], cp, {32, 16 + 8 * i, 33, 9}, kRanges[i], F::F1, C3, kCentre});
    }
    for (int i = 0; i <= 6; ++i) {
        Make({&LabelPointValue[i], cp, {88, 16 + 8 * i, 25, 9}, kValues[i], F::F1, C3, kRight});
    }
    Make({&LabelNumberOfCards, cp, {120, 48, 33, 25}, "0", F::F4, C2, kCentre});
    LabelPoint[6]->setBorder(true);

    QWidget* pp = Frame3;
    static const char* const kHands[] = {"Royal Flush", "Straight Flush", "Four Of Kind",
                                         "Full House", "Flush"};
    static const char* const kPrizes[] = {"500", "20", "10", "5", "1"};
    for (int i = 0; i < 5; ++i) {
        Make({&LabelPorker[i], pp, {8, 16 + 8 * i, 81, 9}, kHands[i], F::F1, C1, kLeft});
        Make({&LabelPorkerPoint[i], pp, {88, 16 + 8 * i, 25, 9}, kPrizes[i], F::F1, C1, kRight});
        Make({&LabelPorkerScore[i], pp, {120, 16 + 8 * i, 25, 9}, "0", F::F1, C1, kRight});
    }

    // Picture boxes are numbered club, diamond, spade, heart but stand in suit order by row.
    struct PicRow { int index, suit, top, width, height; bool outline; QColor colour; };
    static const PicRow kPics[] = {{0, 1, 16, 11, 11, true, Qt::white},
                                   {1, 2, 32, 7, 9, false, QColor(255, 0, 0)},
                                   {3, 3, 48, 9, 9, false, QColor(255, 0, 0)},
                                   {2, 4, 64, 11, 11, true, Qt::white}};
    for (const PicRow& p : kPics) {
        PicSuit[p.index] = new SuitPicture(Frame1, p.suit, p.outline, p.colour);
        PicSuit[p.index]->setGeometry(8, p.top, p.width, p.height);
    }
    // The chart rows use a monospaced face of the same size, so that a card gone from the deck
    // leaves a gap as wide as its rank and the columns line up.
    QFont chartFont = FontOf(F::F1);
    chartFont.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    for (int i = 0; i < 4; ++i) {
        Make({&LeftCard[i], Frame1, {24, 16 + 16 * i, 137, 9}, "A 2 3 4 5 6 7 8 9 10 J Q K", F::F1,
              C4, kLeft});
        LeftCard[i]->setFont(chartFont);
    }
}

void MainForm::buildStatusAndButtons() {
    QWidget* t = table_;
    const Qt::Alignment vRight = Qt::AlignRight | Qt::AlignTop;
    Make({&Label1[1], t, {8, 96, 121, 17}, "HI SCORE", F::F2, C5, kCentre});
    Make({&LabelHiscore, t, {120, 96, 49, 17}, "0", F::F2, C5, vRight});
    Make({&Label1[0], t, {8, 120, 49, 17}, "Score", F::F2, C1, kLeft});
    Make({&LabelScore, t, {56, 120, 41, 17}, "0", F::F2, C1, vRight});
    Make({&Label1[3], t, {112, 120, 89, 17}, "Your Bet", F::F2, C7, kLeft});
    Make({&LabelBet, t, {176, 120, 41, 17}, "0", F::F2, C7, vRight});
    Make({&Label1[2], t, {8, 136, 49, 17}, "Credit", F::F2, C6, kLeft});
    Make({&LabelCredit, t, {56, 136, 41, 17}, "0", F::F2, C6, vRight});
    Make({&Label1[4], t, {112, 136, 89, 17}, "Your Win", F::F2, C8, kLeft});
    Make({&LabelWin, t, {176, 136, 41, 17}, "0", F::F2, C8, vRight});
    Make({&LabelMessage, t, {0, 280, 241, 25}, "Select the first card please !", F::F3, C9,
          kCentre});

    CommandRepeatBet = MakeButton(t, {240, 272, 49, 33}, "RepeatBet", F::F6);
    CommandBet = MakeButton(t, {296, 272, 49, 33}, "1 Bet", F::F5);
    CommandNextGame = MakeButton(t, {352, 272, 49, 33}, "Start", F::F5);
    CommandRepeatBet->setDefault(true);
    connect(CommandRepeatBet, &QPushButton::clicked, this, [this] { CommandRepeatBet_Click(); });
    connect(CommandBet, &QPushButton::clicked, this, [this] { CommandBet_Click(); });
    connect(CommandNextGame, &QPushButton::clicked, this, [this] { CommandNextGame_Click(); });
    for (QPushButton* button : {CommandRepeatBet, CommandBet, CommandNextGame})
        button->installEventFilter(this);

    FrameNotice[0] = new ShapeOutline(t, QColor(64, 64, 0));
    FrameNotice[0]->setGeometry(384, 272, 17, 17);
    for (int i = 1; i <= 5; ++i) {
        FrameNotice[i] = new ShapeOutline(t, C10);
        FrameNotice[i]->setGeometry(2 + 85 * (i - 1), 162, 81, 106);
    }
    // The spare outline lies under the "Start" button.
    FrameNotice[0]->lower();
}

void MainForm::buildMenus() {
    // The menus belong in the window, above the table: a desktop's global menu would take them
    // out of it, and merely asking the session bus for one holds up start-up (where no bus runs,
    // it launches a process). Set before the menu bar is made, which is when it asks.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    menuBar()->setFont(platform::UiFont(QString(), 9));
    auto addMenu = [this](const char* title) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        menu->setFont(platform::UiFont(QString(), 9));
        return menu;
    };
    MenuGame = addMenu("ｹﾞｰﾑ");
    MenuQuit = MenuGame->addAction(QString::fromUtf8("終了"));
    MenuOption = addMenu("ｵﾌﾟｼｮﾝ");
    MenuPlayInSilence = MenuOption->addAction(QString::fromUtf8("ｻｳﾝﾄﾞ(次回ｻﾎﾟｰﾄ)"));
    // Announced for a later version: shown, greyed, and without an action.
    MenuPlayInSilence->setEnabled(false);
    menupartline8 = MenuOption->addSeparator();
    MenuUserInformation = MenuOption->addAction(QString::fromUtf8("ﾕｰｻﾞｰ情報"));
    MenuRankingInformation = MenuOption->addAction(QString::fromUtf8("ﾗﾝｷﾝｸﾞ情報"));
    MenuPartLine1 = MenuOption->addSeparator();
    MenuEnterUserName = MenuOption->addAction(QString::fromUtf8("ﾌﾟﾚｲﾔｰ名の入力"));
    MenuHelp = addMenu("ﾍﾙﾌﾟ");
    MenuHowToPlay = MenuHelp->addAction(QString::fromUtf8("遊び方"));
    connectMenus();
}

void MainForm::RepaintNow() {
    Form_Paint();
    table_->repaint();
}

void MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!watchingExposure_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
        watchingExposure_ = true;
    }
}

namespace {
// Keys that press a focused button.
bool PressesButton(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space: case Qt::Key_Select: return true;
        default: return false;
    }
}
}  // namespace

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // The window system asks for a repaint when the window is uncovered or restored.
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        Form_Paint();
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (button == CommandRepeatBet || button == CommandBet || button == CommandNextGame)) {
        // A button keeps the focus when it is hidden and nothing else can take it; a hidden or
        // disabled button must not be pressed by the keyboard all the same.
        if (event->type() == QEvent::Hide && button->hasFocus()) table_->setFocus();
        const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (keyEvent && PressesButton(static_cast<QKeyEvent*>(event)) &&
            (!button->isVisible() || !button->isEnabled())) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier) {
        // Enter means "RepeatBet" only while that button can be pressed; otherwise nothing.
        if (CommandRepeatBet->isVisible() && CommandRepeatBet->isEnabled()) CommandRepeatBet->click();
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5 && modifiers == Qt::NoModifier) {
        PressSlot(key - Qt::Key_0);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace zarvelo
