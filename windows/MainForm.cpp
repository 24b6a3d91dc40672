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
#include <algorithm>
#include <utility>

#include "artwork/IconPainter.h"
#include "platform/Fonts.h"
#include "platform/Language.h"
#include "rules/Game.h"
#include "rules/Messages.h"
#include "rules/TableGeometry.h"
#include "screen/CardChart.h"
#include "screen/Palette.h"
#include "tables/PointTables.h"
#include "windows/Accessibility.h"
#include "windows/Announcer.h"
#include "windows/ClientTitleBar.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

MainForm* g_instance = nullptr;

// The window's fonts by what they set.
enum class F { WindowDefault, SmallPrint, Figures, Message, CardCount, Button, NarrowButton };

QFont FontOf(F key) {
    using platform::UiFont;
    switch (key) {
        case F::SmallPrint: return UiFont("Small Fonts", 6);
        case F::Figures: return UiFont("Small Fonts", 8.25, true);
        case F::Message: return UiFont("Small Fonts", 8.25);
        case F::CardCount: return UiFont("Arial", 12);
        case F::Button: return UiFont("Arial", 9);
        case F::NarrowButton: return UiFont("Arial", 8.25);
        case F::WindowDefault: break;
    }
    return UiFont(QString(), 8.25);
}

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

struct LabelRow {
    Label** target;
    QWidget* parent;
    QRect geometry;
    QString text;
    F font;
    QColor colour;
    Qt::Alignment alignment;
};

void Make(const LabelRow& row) {
    auto* label = new Label(row.parent);
    label->setGeometry(row.geometry);
    label->setText(row.text);
    label->setFont(FontOf(row.font));
    label->setTextColour(row.colour);
    label->setAlignment(row.alignment);
    if (row.font == F::SmallPrint) label->setSmallPrint(platform::SmallPrintSpacing::Proportional);
    *row.target = label;
}

// The buttons are narrow for their texts: no margin beyond the frame. A style sheet would do the
// same at a price start-up pays before the splash shows.
QStyle* TightButtonStyle() {
    class Tight : public QProxyStyle {
    public:
        int pixelMetric(PixelMetric metric, const QStyleOption* option,
                        const QWidget* widget) const override {
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
    if (font == F::NarrowButton) face.setStretch(88);
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

NamedControls& Controls() { return MainForm::instance(); }

bool MainForm::exists() { return g_instance != nullptr; }

void MainForm::destroyInstance() {
    delete g_instance;
    g_instance = nullptr;
}

MainForm::MainForm() {
    InstallAccessibility();
    setWindowTitle(QStringLiteral("Zarvelo?"));
    setWindowIcon(MakeGameIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    table_ = new TableView(this, this);
    setCentralWidget(table_);
    Window = this;
    hWnd = cardlib::RegisterSurface(&table_->surface());
    buildPanels();
    buildStatusAndButtons();
    buildMenus();
    // What assistive technology is told of the table follows its drawing and the message line.
    TableDrawn = [this] { AnnounceTableChanges(table_); };
    RepaintNow = [this] {
        Form_Paint();
        table_->repaint();
    };
    LabelMessage->setTextWatcher([this] { AnnounceTableChanges(table_); });
    WindowAnnouncer().setOutput([this](const QString& text) { AnnounceOnTable(table_, text); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    GiveTitleBarIfNeeded(this, true);
}

MainForm::~MainForm() {
    WindowAnnouncer().Forget();
    cardlib::UnregisterSurface(hWnd);
}

void MainForm::buildPanels() {
    QWidget* t = table_;
    FrameNumberOfCards = new CaptionFrame(t, QStringLiteral("Card Point"), FontOf(F::WindowDefault),
                                          palette::kCardPointCaption);
    FrameNumberOfCards->setGeometry(8, 8, 161, 81);
    Frame1 =
        new CaptionFrame(t, QStringLiteral("Card Chart"), FontOf(F::Message), palette::kCardChart);
    Frame1->setGeometry(256, 8, 161, 81);
    Frame3 = new CaptionFrame(t, QStringLiteral("Porker Prize"), FontOf(F::WindowDefault),
                              palette::kPrizePanel);
    Frame3->setGeometry(256, 96, 161, 65);

    QWidget* cp = FrameNumberOfCards;
    // Until the first stake the panel shows a stake of one; the stage-clear row shows its bonus.
    const auto rates = UnitPointRates();
    Make({&LabelPoint[0],
          cp,
          {8, 16, 81, 9},
          PointRangeText(0),
          F::SmallPrint,
          palette::kPointRow,
          kCentre});
    Make({&LabelPointValue[0],
          cp,
          {88, 16, 25, 9},
          QString::number(kPointIncrements[0]),
          F::SmallPrint,
          palette::kPointRow,
          kRight});
    for (int i = 1; i <= 6; ++i) {
        const int k = kFirstPanelEntry + i;
        Make({&LabelPoint[i],
              cp,
              {32, 16 + 8 * i, 33, 9},
              PointRangeText(k),
              F::SmallPrint,
              palette::kPointRow,
              kCentre});
        Make({&LabelPointValue[i],
              cp,
              {88, 16 + 8 * i, 25, 9},
              QString::number(rates[k]),
              F::SmallPrint,
              palette::kPointRow,
              kRight});
    }
    Make({&LabelNumberOfCards,
          cp,
          {120, 48, 33, 25},
          "0",
          F::CardCount,
          palette::kCardPointCaption,
          kCentre});
    LabelPoint[6]->setBorder(true);
    // A screen reader reads each row whole, the row reached marked as it is highlighted.
    for (int i = 0; i <= 6; ++i) {
        Label* value = LabelPointValue[i];
        Label* range = LabelPoint[i];
        ReadAs(value,
               [value, range] {
                   const bool reached = value->textColour() == palette::kHighlightedPointRow;
                   return QStringLiteral("%1 cards: %2%3")
                       .arg(range->text(), value->text(),
                            reached ? QStringLiteral(", reached") : QString());
               },
               {range});
    }
    ReadAs(LabelNumberOfCards,
           [this] { return QStringLiteral("Cards taken: ") + LabelNumberOfCards->text(); });
    LabelNumberOfCards->setFitToWidth();

    QWidget* pp = Frame3;
    static const char* const kHands[] = {"Royal Flush", "Straight Flush", "Four Of Kind",
                                         "Full House", "Flush"};
    for (int i = 0; i < 5; ++i) {
        Make({&LabelPorker[i],
              pp,
              {8, 16 + 8 * i, 81, 9},
              kHands[i],
              F::SmallPrint,
              palette::kPrizePanel,
              kLeft});
        Make({&LabelPorkerPoint[i],
              pp,
              {88, 16 + 8 * i, 25, 9},
              QString::number(kPokerPrizePerUnit[i]),
              F::SmallPrint,
              palette::kPrizePanel,
              kRight});
        Make({&LabelPorkerScore[i],
              pp,
              {120, 16 + 8 * i, 25, 9},
              "0",
              F::SmallPrint,
              palette::kPrizePanel,
              kRight});
        Label* name = LabelPorker[i];
        Label* prize = LabelPorkerPoint[i];
        Label* count = LabelPorkerScore[i];
        ReadAs(prize,
               [name, prize, count] {
                   return QStringLiteral("%1: prize %2, made %3")
                       .arg(name->text(), prize->text(), count->text());
               },
               {name, count});
    }

    // Picture boxes are numbered club, diamond, spade, heart but stand in suit order by row.
    struct PicRow {
        int index, suit, top, width, height;
        bool outline;
        QColor colour;
    };
    static const PicRow kPics[] = {{0, 1, 16, 11, 11, true, palette::kBlackSuitPicture},
                                   {1, 2, 32, 7, 9, false, palette::kRedSuitPicture},
                                   {3, 3, 48, 9, 9, false, palette::kRedSuitPicture},
                                   {2, 4, 64, 11, 11, true, Qt::white}};
    for (const PicRow& p : kPics) {
        PicSuit[p.index] = new SuitPicture(Frame1, p.suit, p.outline, p.colour);
        PicSuit[p.index]->setGeometry(8, p.top, p.width, p.height);
    }
    // The chart rows are monospaced, so that a card gone from the deck leaves a gap as wide as its
    // rank and the columns line up.
    QFont chartFont = FontOf(F::SmallPrint);
    chartFont.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    for (int i = 0; i < 4; ++i) {
        Make({&LeftCard[i],
              Frame1,
              {24, 16 + 16 * i, 137, 9},
              kFullRankList,
              F::SmallPrint,
              palette::kCardChart,
              kLeft});
        LeftCard[i]->setFont(chartFont);
        ReadAsChartRow(LeftCard[i], i + 1);
        LeftCard[i]->setSmallPrint(platform::SmallPrintSpacing::Monospaced);
    }
}

void MainForm::buildStatusAndButtons() {
    QWidget* t = table_;
    const Qt::Alignment vRight = Qt::AlignRight | Qt::AlignTop;
    Make({&Label1[1], t, {8, 96, 121, 17}, "HI SCORE", F::Figures, palette::kHiScore, kCentre});
    Make({&LabelHiscore, t, {120, 96, 49, 17}, "0", F::Figures, palette::kHiScore, vRight});
    Make({&Label1[0], t, {8, 120, 49, 17}, "Score", F::Figures, palette::kPrizePanel, kLeft});
    Make({&LabelScore, t, {56, 120, 41, 17}, "0", F::Figures, palette::kPrizePanel, vRight});
    Make({&Label1[3], t, {112, 120, 89, 17}, "Your Bet", F::Figures, palette::kBet, kLeft});
    Make({&LabelBet, t, {176, 120, 41, 17}, "0", F::Figures, palette::kBet, vRight});
    Make({&Label1[2], t, {8, 136, 49, 17}, "Credit", F::Figures, palette::kCredit, kLeft});
    Make({&LabelCredit, t, {56, 136, 41, 17}, "0", F::Figures, palette::kCredit, vRight});
    Make({&Label1[4], t, {112, 136, 89, 17}, "Your Win", F::Figures, palette::kWin, kLeft});
    Make({&LabelWin, t, {176, 136, 41, 17}, "0", F::Figures, palette::kWin, vRight});
    for (auto [figure, caption] : {std::pair{LabelScore, Label1[0]},
                                   {LabelHiscore, Label1[1]},
                                   {LabelCredit, Label1[2]},
                                   {LabelBet, Label1[3]},
                                   {LabelWin, Label1[4]}})
        ReadWithCaption(figure, caption);
    // The figure shows the credit before the win until the next stake; a listener is told the
    // credit as it is.
    ReadAs(LabelCredit, [] { return QStringLiteral("Credit %1").arg(State().Credit); });
    for (Label* figure : {LabelHiscore, LabelScore, LabelBet, LabelCredit, LabelWin})
        figure->setFitToWidth();
    Make({&LabelMessage,
          t,
          {0, 280, 241, 25},
          kSelectFirstCard,
          F::Message,
          palette::kMessage,
          kCentre});

    CommandRepeatBet = MakeButton(t, {240, 272, 49, 33}, "RepeatBet", F::NarrowButton);
    CommandBet = MakeButton(t, {296, 272, 49, 33}, "1 Bet", F::Button);
    CommandNextGame = MakeButton(t, {352, 272, 49, 33}, "Start", F::Button);
    CommandRepeatBet->setDefault(true);
    connect(CommandRepeatBet, &QPushButton::clicked, this, [this] { CommandRepeatBet_Click(); });
    connect(CommandBet, &QPushButton::clicked, this, [this] { CommandBet_Click(); });
    connect(CommandNextGame, &QPushButton::clicked, this, [this] { CommandNextGame_Click(); });
    for (QPushButton* button : BettingButtons()) button->installEventFilter(this);

    FrameNotice[0] = new ShapeOutline(t, palette::kSpareFrame);
    FrameNotice[0]->setGeometry(384, 272, 17, 17);
    for (int i = 1; i <= 5; ++i) {
        FrameNotice[i] = new ShapeOutline(t, palette::kNoticeFrame);
        FrameNotice[i]->setGeometry(NoticeFrameRect(i));
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
    auto addMenu = [this] {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setFont(platform::UiFont(QString(), 9));
        return menu;
    };
    MenuGame = addMenu();
    MenuQuit = MenuGame->addAction(QString());
    MenuOption = addMenu();
    MenuPlayInSilence = MenuOption->addAction(QString());
    // Announced for a later version: shown, greyed, and without an action.
    MenuPlayInSilence->setEnabled(false);
    // A setting like the sound, so it stands beside it, above the items that open windows.
    MenuLanguage = MenuOption->addAction(QString());
    MenuLanguage->setCheckable(true);
    MenuOption->addSeparator();
    MenuUserInformation = MenuOption->addAction(QString());
    MenuRankingInformation = MenuOption->addAction(QString());
    MenuOption->addSeparator();
    MenuEnterUserName = MenuOption->addAction(QString());
    MenuHelp = addMenu();
    MenuHowToPlay = MenuHelp->addAction(QString());
    retranslateMenus();
    connectMenus();
}

void MainForm::retranslateMenus() {
    MenuGame->setTitle(tr("ｹﾞｰﾑ"));
    MenuQuit->setText(tr("終了"));
    MenuOption->setTitle(tr("ｵﾌﾟｼｮﾝ"));
    MenuPlayInSilence->setText(tr("ｻｳﾝﾄﾞ(次回ｻﾎﾟｰﾄ)"));
    MenuUserInformation->setText(tr("ﾕｰｻﾞｰ情報"));
    MenuRankingInformation->setText(tr("ﾗﾝｷﾝｸﾞ情報"));
    MenuEnterUserName->setText(tr("ﾌﾟﾚｲﾔｰ名の入力"));
    // Named in both languages, so that a player who reads only one of them finds it.
    MenuLanguage->setText(tr("英語表示 (English)"));
    MenuLanguage->setChecked(platform::CurrentLanguage() == platform::Language::English);
    MenuHelp->setTitle(tr("ﾍﾙﾌﾟ"));
    MenuHowToPlay->setText(tr("遊び方"));
}

void MainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateMenus();
    QMainWindow::changeEvent(event);
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
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Select: return true;
        default: return false;
    }
}
}  // namespace

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // The window system asks for a repaint when the window is uncovered or restored.
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        Form_Paint();
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    const auto buttons = BettingButtons();
    if (button && std::find(buttons.begin(), buttons.end(), button) != buttons.end()) {
        // A button keeps the focus when it is hidden and nothing else can take it; a hidden or
        // disabled button must not be pressed by the keyboard all the same.
        if (event->type() == QEvent::Hide && button->hasFocus()) table_->setFocus();
        const bool keyEvent =
            event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (keyEvent && PressesButton(static_cast<QKeyEvent*>(event)) &&
            (!button->isVisible() || !button->isEnabled())) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Tell(const QString& text) {
    // Told at once, bypassing the announcer, so that the last announcement stays what it was.
    AnnounceOnTable(table_, text);
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier) {
        // Enter means "RepeatBet" only while that button can be pressed; otherwise nothing, which
        // a listening player is told.
        if (CommandRepeatBet->isVisible() && CommandRepeatBet->isEnabled()) {
            CommandRepeatBet->click();
        } else {
            Tell(State().GameInProgress
                     ? QStringLiteral("Enter does nothing during a game: take a card with 1 to 5")
                     : QStringLiteral("Enter does nothing yet: stake with 1 Bet, then Start"));
        }
        return;
    }
    // Keys a screen reader leaves alone: hear the last announcement again, the table, the money.
    if (modifiers == Qt::NoModifier && (key == Qt::Key_R || key == Qt::Key_T || key == Qt::Key_M)) {
        Announcer& announcer = WindowAnnouncer();
        if (key == Qt::Key_R) {
            Tell(announcer.last().isEmpty() ? QStringLiteral("Nothing announced yet")
                                            : announcer.last());
        } else {
            Tell(key == Qt::Key_T ? Announcer::TableText(State()) : Announcer::MoneyText(State()));
        }
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5 && modifiers == Qt::NoModifier) {
        PressSlot(key - Qt::Key_0);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace zarvelo
