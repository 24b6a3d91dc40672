// The four small windows opened from the menus: name entry, ranking, user information and help.
#include "windows/SecondaryForms.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "artwork/IconPainter.h"
#include "files/FileObject.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "rules/Game.h"
#include "rules/Players.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "tables/PlayerData.h"
#include "windows/ClientTitleBar.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"
#include "windows/SingleWindow.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

Label* MakeLabel(QWidget* parent, QRect geometry, const QString& text, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QPushButton* MakeButton(QWidget* parent, QRect geometry, const QString& text, bool isDefault) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setFont(platform::UiFont(QString(), 9));
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    return button;
}

// A horizontal rule between two points, as a design line is.
class Line : public QWidget {
public:
    Line(QWidget* parent, int x1, int x2, int y) : QWidget(parent) {
        setGeometry(x1, y, x2 - x1 + 1, 2);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width(), 0);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 1, width(), 1);
    }
};

// A title wider than its design box grows to fit instead of losing its last characters.
void FitWidth(Label* label) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    if (needed > label->width()) label->resize(needed, label->height());
}

constexpr Qt::WindowFlags kInfoWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint;

// Enter presses the window's default button even when no button has the focus.
void PressDefaultOnEnter(QWidget* window, QPushButton* button) {
    auto* action = new QAction(window);
    action->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, button, &QPushButton::click);
    window->addAction(action);
}

}  // namespace

bool ActivatedForm::event(QEvent* event) {
    // Filled when shown too: a desktop may show a new window without activating it.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) Form_Activate();
    return QWidget::event(event);
}

EnterNameForm::EnterNameForm() {
    setWindowTitle(QString::fromUtf8("ﾌﾟﾚｲﾔｰ名の入力"));
    // No control box: the window closes only through its OK button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips(3015), Twips(1095));
    const QFont font = platform::UiFont(QString(), 8.25);
    StartingLabelPlayer = MakeLabel(this, TwipsRect(240, 120, 2535, 255),
                                    QString::fromUtf8("名前(半角16文字以内)"), font);
    StartingTextPlayer = new QLineEdit(kNewPlayerName, this);
    StartingTextPlayer->setGeometry(TwipsRect(240, 360, 2535, 270));
    StartingTextPlayer->setFont(font);
    StartingTextPlayer->setMaxLength(32767);
    StartingButton = MakeButton(this, TwipsRect(1080, 720, 975, 255), QStringLiteral("OK"), true);
    connect(StartingButton, &QPushButton::clicked, this, [this] { StartingButton_Click(); });
    connect(StartingTextPlayer, &QLineEdit::returnPressed, StartingButton, &QPushButton::click);
    PressDefaultOnEnter(this, StartingButton);
    StartingTextPlayer->setFocus();
    GiveTitleBarIfNeeded(this, false);
}

void EnterNameForm::closeEvent(QCloseEvent* event) {
    // The window system's close request (a title bar's box, Alt+F4) is not a way out: only OK
    // closes the window, or the program closing it on quitting.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    ActivatedForm::closeEvent(event);
}

void EnterNameForm::Form_Activate() {
    StartingTextPlayer->setText(State().PlayerName);
    StartingTextPlayer->setSelection(0, 16);
    RememberPlayerName(TheGame());
}

void EnterNameForm::StartingButton_Click() {
    // A name names the player's file: one that cannot be stored safely is refused here.
    if (const auto problem = NameProblem(StartingTextPlayer->text())) {
        platform::ShowMessageBox(*problem, windowTitle(), platform::MessageIcon::Warning);
        StartingTextPlayer->setFocus();
        return;
    }
    ChangePlayer();
    close();
}

void EnterNameForm::ChangePlayer() {
    zarvelo::ChangePlayer(TheGame(), StartingTextPlayer->text(), LoadPlayerFile, WindowSink());
}

RankingForm::RankingForm() {
    setWindowTitle(QString::fromUtf8("情報ｳｲﾝﾄﾞｳ(ﾗﾝｷﾝｸﾞ)"));
    setWindowIcon(MakeGameIcon());
    setWindowFlags(kInfoWindowFlags);
    setFixedSize(Twips(6675), Twips(2880));
    Label1 =
        MakeLabel(this, TwipsRect(240, 120, 2655, 375), QString::fromUtf8("ラ ン キ ン グ  情 報"),
                  platform::UiFont("MS PGothic", 14.25, false, true));
    FitWidth(Label1);
    new Line(this, Twips(120), Twips(3000), Twips(480));
    const QFont heading = platform::UiFont("MS PGothic", 9.75, true);
    const QFont figures = platform::UiFont("System", 9.75, true);
    struct Column {
        const char* heading;
        int headLeft, headWidth;
        bool headCentred;
        std::array<Label*, 5>* labels;
        int left, width;
        const char* design;
        bool right;
        bool name;
    };
    const Column columns[] = {
        {"ﾌﾟﾚｲﾔｰ名", 480, 735, false, &LabelPlayer, 120, 1215, "Player", false, true},
        {"R", 1560, 255, false, &LabelRound, 1560, 255, "1", false, false},
        {"ｶｰﾄﾞ数", 2040, 615, false, &LabelCards, 2040, 495, "0", true, false},
        {"ｽｺｱ", 2760, 735, true, &LabelScore, 2760, 615, "0", true, false},
        {"日付", 3960, 615, false, &LabelDate, 3600, 1215, "0", false, false},
    };
    for (int c = 0; c < 5; ++c) {
        const Column& col = columns[c];
        Label2[c] = MakeLabel(this, TwipsRect(col.headLeft, 600, col.headWidth, 255),
                              QString::fromUtf8(col.heading), heading,
                              (col.headCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        for (int i = 0; i < 5; ++i) {
            (*col.labels)[i] =
                MakeLabel(this, TwipsRect(col.left, 960 + 240 * i, col.width, 255),
                          QString::fromUtf8(col.design), col.name ? heading : figures,
                          (col.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        }
    }
    // Every date is as long, and its box is made for it.
    for (const auto* column : {&LabelPlayer, &LabelRound, &LabelCards, &LabelScore})
        for (Label* label : *column) label->setFitToWidth();
    CommandClose =
        MakeButton(this, TwipsRect(2280, 2400, 1695, 375), QString::fromUtf8("閉じる"), false);
    connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);
    GiveTitleBarIfNeeded(this, true);
}

void RankingForm::Form_Activate() { FillRankingLabels(); }

void RankingForm::FillRankingLabels() {
    const GameState& s = State();
    for (int i = 0; i < kRankingSize; ++i) {
        const RankingEntry& e = s.Ranking[i];
        LabelDate[i]->setText(platform::ShortDateText(e.Date));
        LabelPlayer[i]->setText(e.PlayerName);
        LabelRound[i]->setText(QString::number(e.Stage));
        LabelScore[i]->setText(QString::number(e.Score));
        LabelCards[i]->setText(QString::number(e.Cards));
    }
}

UserInfoForm::UserInfoForm() {
    setWindowTitle(QString::fromUtf8("情報ｳｲﾝﾄﾞｳ(ﾕｰｻﾞｰ)"));
    setWindowIcon(MakeGameIcon());
    setWindowFlags(kInfoWindowFlags);
    setFixedSize(Twips(4905), Twips(1965));
    Label1 =
        MakeLabel(this, TwipsRect(120, 120, 2655, 375), QString::fromUtf8("ユ　ー　ザ　ー　情　報"),
                  platform::UiFont("MS PGothic", 14.25, false, true));
    FitWidth(Label1);
    new Line(this, 0, Twips(2880), Twips(480));
    const QFont heading = platform::UiFont("MS PGothic", 9.75, true);
    const QFont figures = platform::UiFont("System", 9.75, true);
    Label2[0] = MakeLabel(this, TwipsRect(120, 600, 735, 255), QString::fromUtf8("名前"), heading);
    Label2[1] =
        MakeLabel(this, TwipsRect(1560, 600, 735, 255), QString::fromUtf8("ｸﾚｼﾞｯﾄ"), heading);
    Label2[2] =
        MakeLabel(this, TwipsRect(2400, 600, 975, 255), QString::fromUtf8("破産数"), heading);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    LabelPlayer =
        MakeLabel(this, TwipsRect(120, 960, 1215, 255), QStringLiteral("Player"), heading);
    LabelCredit =
        MakeLabel(this, TwipsRect(1440, 960, 615, 255), QStringLiteral("0"), figures, right);
    LabelBankrupt =
        MakeLabel(this, TwipsRect(2520, 960, 615, 255), QStringLiteral("0"), figures, right);
    for (Label* label : {LabelPlayer, LabelCredit, LabelBankrupt}) label->setFitToWidth();
    CommandClose =
        MakeButton(this, TwipsRect(1560, 1440, 1695, 375), QString::fromUtf8("閉じる"), true);
    connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);
    PressDefaultOnEnter(this, CommandClose);
    GiveTitleBarIfNeeded(this, true);
}

void UserInfoForm::Form_Activate() {
    const GameState& s = State();
    LabelPlayer->setText(s.PlayerRecord.Name);
    LabelCredit->setText(QString::number(s.PlayerRecord.Credit));
    LabelBankrupt->setText(QString::number(s.PlayerRecord.BankruptCount));
}

HelpForm::HelpForm() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(Twips(4740), Twips(4695));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    Label2 = MakeLabel(this, TwipsRect(240, 240, 4215, 615), QStringLiteral("Zarvelo?(1.01)"),
                       platform::UiFont("Arial", 21.75, true, true));
    Label2->setTextColour(QColor(255, 128, 128));
    struct Text {
        int index;
        const char* text;
        int top, height;
    };
    const Text texts[] = {
        {0, " 遊び方は簡単！　同じ図柄か同じ数字のカードをクリックするだけ！！", 840, 375},
        {3, " 1:Betボタンで掛金を積む", 1320, 255},
        {1, " 2:Startボタンでゲーム開始", 1560, 255},
        {2, " 3:規定枚数以上のカードを積むか、手札がポーカーの役と一致したら賞金が貰えるよ！", 1800,
         375},
        {4, " 4:破産しても何度でもやり直せるよ！", 2160, 255},
    };
    const QFont font = platform::UiFont("Small Fonts", 8.25);
    for (const Text& t : texts) {
        Label* label =
            MakeLabel(this, TwipsRect(120, t.top, 4455, t.height), QString::fromUtf8(t.text), font);
        label->setTextColour(QColor(0, 0, 128));
        label->setWordWrap(true);
        Label1[t.index] = label;
    }
    // A text that wraps gets the room its lines take and half a line before the next text, which
    // moves down when it must, so that each item reads as a block of its own.
    const int line = QFontMetrics(font).lineSpacing();
    int free = 0;  // the first row below the texts so far, which run from the top
    for (const Text& t : texts) {
        Label* label = Label1[t.index];
        const int height = label->wrappedTextHeight();
        label->move(label->x(), std::max(label->y(), free));
        label->resize(label->width(), std::max(label->height(), height));
        free = label->y() + height + (height > line ? line / 2 : 0);
    }
    CommandHelpOK =
        MakeButton(this, TwipsRect(1680, 4200, 1455, 375), QString::fromUtf8("閉じる"), true);
    connect(CommandHelpOK, &QPushButton::clicked, this, &QWidget::close);
    PressDefaultOnEnter(this, CommandHelpOK);
}

}  // namespace zarvelo
