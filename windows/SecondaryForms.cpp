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

// The headings of the ranking's columns, left to right.
const char* const kRankingHeadings[] = {
    QT_TRANSLATE_NOOP("RankingForm", "ﾌﾟﾚｲﾔｰ名"), "R", QT_TRANSLATE_NOOP("RankingForm", "ｶｰﾄﾞ数"),
    QT_TRANSLATE_NOOP("RankingForm", "ｽｺｱ"), QT_TRANSLATE_NOOP("RankingForm", "日付")};

struct HelpText {
    int index;
    const char* text;
    int top, height;
};
const HelpText kHelpTexts[] = {
    {0,
     QT_TRANSLATE_NOOP("HelpForm",
                       " 遊び方は簡単！　同じ図柄か同じ数字のカードをクリックするだけ！！"),
     840, 375},
    {3, QT_TRANSLATE_NOOP("HelpForm", " 1:Betボタンで掛金を積む"), 1320, 255},
    {1, QT_TRANSLATE_NOOP("HelpForm", " 2:Startボタンでゲーム開始"), 1560, 255},
    {2,
     QT_TRANSLATE_NOOP(
         "HelpForm",
         " 3:規定枚数以上のカードを積むか、手札がポーカーの役と一致したら賞金が貰えるよ！"),
     1800, 375},
    {4, QT_TRANSLATE_NOOP("HelpForm", " 4:破産しても何度でもやり直せるよ！"), 2160, 255},
};

}  // namespace

void ActivatedForm::keyPressEvent(QKeyEvent* event) {
    // As in any dialog: Return presses the default button and Escape closes, through the key
    // itself rather than a shortcut, so that a screen reader's keys reach the screen reader first.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (plain && enter && defaultButton_ && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape && closesOnEscape_) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ActivatedForm::event(QEvent* event) {
    // Filled when shown too: a desktop may show a new window without activating it.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) Form_Activate();
    return QWidget::event(event);
}

EnterNameForm::EnterNameForm() {
    // No control box: the window closes only through its OK button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips(3015), Twips(1095));
    const QFont font = platform::UiFont(QString(), 8.25);
    StartingLabelPlayer = MakeLabel(this, TwipsRect(240, 120, 2535, 255), QString(), font);
    StartingTextPlayer = new QLineEdit(kNewPlayerName, this);
    StartingTextPlayer->setGeometry(TwipsRect(240, 360, 2535, 270));
    StartingTextPlayer->setFont(font);
    StartingTextPlayer->setMaxLength(32767);
    StartingButton = MakeButton(this, TwipsRect(1080, 720, 975, 255), QStringLiteral("OK"), true);
    connect(StartingButton, &QPushButton::clicked, this, [this] { StartingButton_Click(); });
    StartingLabelPlayer->setBuddy(StartingTextPlayer);
    setDefaultButton(StartingButton, false);
    StartingTextPlayer->setFocus();
    retranslate();
    GiveTitleBarIfNeeded(this, false);
}

void EnterNameForm::retranslate() {
    setWindowTitle(tr("ﾌﾟﾚｲﾔｰ名の入力"));
    StartingLabelPlayer->setText(tr("名前(半角16文字以内)"));
}

void EnterNameForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ActivatedForm::changeEvent(event);
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
    setWindowIcon(MakeGameIcon());
    setWindowFlags(kInfoWindowFlags);
    setFixedSize(Twips(6675), Twips(2880));
    Label1 = MakeLabel(this, TwipsRect(240, 120, 2655, 375), QString(),
                       platform::UiFont("MS PGothic", 14.25, false, true));
    new Line(this, Twips(120), Twips(3000), Twips(480));
    const QFont heading = platform::UiFont("MS PGothic", 9.75, true);
    const QFont figures = platform::UiFont("System", 9.75, true);
    struct Column {
        int headLeft, headWidth;
        bool headCentred;
        std::array<Label*, 5>* labels;
        int left, width;
        const char* design;
        bool right;
        bool name;
    };
    const Column columns[] = {
        {480, 735, false, &LabelPlayer, 120, 1215, "Player", false, true},
        {1560, 255, false, &LabelRound, 1560, 255, "1", false, false},
        {2040, 615, false, &LabelCards, 2040, 495, "0", true, false},
        {2760, 735, true, &LabelScore, 2760, 615, "0", true, false},
        {3960, 615, false, &LabelDate, 3600, 1215, "0", false, false},
    };
    for (int c = 0; c < 5; ++c) {
        const Column& col = columns[c];
        Label2[c] =
            MakeLabel(this, TwipsRect(col.headLeft, 600, col.headWidth, 255), QString(), heading,
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
    CommandClose = MakeButton(this, TwipsRect(2280, 2400, 1695, 375), QString(), false);
    connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(nullptr, true);
    retranslate();
    GiveTitleBarIfNeeded(this, true);
}

void RankingForm::retranslate() {
    setWindowTitle(tr("情報ｳｲﾝﾄﾞｳ(ﾗﾝｷﾝｸﾞ)"));
    Label1->setText(tr("ラ ン キ ン グ  情 報"));
    FitWidth(Label1);
    for (int c = 0; c < 5; ++c) {
        Label2[c]->setText(tr(kRankingHeadings[c]));
        FitWidth(Label2[c]);
    }
    CommandClose->setText(tr("閉じる"));
    describe();
}

void RankingForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ActivatedForm::changeEvent(event);
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
    describe();
}

void RankingForm::describe() {
    // Read row by row, each figure with its heading, as a screen reader meets the window.
    QStringList rows;
    for (int i = 0; i < kRankingSize; ++i) {
        QStringList cells;
        for (const auto* column : {&LabelPlayer, &LabelRound, &LabelCards, &LabelScore, &LabelDate})
            cells << (*column)[i]->text();
        rows << QStringLiteral("%1: %2, %3 %4, %5 %6, %7 %8, %9 %10")
                    .arg(i + 1)
                    .arg(cells[0], Label2[1]->text(), cells[1], Label2[2]->text(), cells[2],
                         Label2[3]->text(), cells[3], Label2[4]->text(), cells[4]);
    }
    setAccessibleDescription(rows.join(QLatin1Char('\n')));
}

UserInfoForm::UserInfoForm() {
    setWindowIcon(MakeGameIcon());
    setWindowFlags(kInfoWindowFlags);
    setFixedSize(Twips(4905), Twips(1965));
    Label1 = MakeLabel(this, TwipsRect(120, 120, 2655, 375), QString(),
                       platform::UiFont("MS PGothic", 14.25, false, true));
    new Line(this, 0, Twips(2880), Twips(480));
    const QFont heading = platform::UiFont("MS PGothic", 9.75, true);
    const QFont figures = platform::UiFont("System", 9.75, true);
    Label2[0] = MakeLabel(this, TwipsRect(120, 600, 735, 255), QString(), heading);
    Label2[1] = MakeLabel(this, TwipsRect(1560, 600, 735, 255), QString(), heading);
    Label2[2] = MakeLabel(this, TwipsRect(2400, 600, 975, 255), QString(), heading);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    LabelPlayer =
        MakeLabel(this, TwipsRect(120, 960, 1215, 255), QStringLiteral("Player"), heading);
    LabelCredit =
        MakeLabel(this, TwipsRect(1440, 960, 615, 255), QStringLiteral("0"), figures, right);
    LabelBankrupt =
        MakeLabel(this, TwipsRect(2520, 960, 615, 255), QStringLiteral("0"), figures, right);
    for (Label* label : {LabelPlayer, LabelCredit, LabelBankrupt}) label->setFitToWidth();
    CommandClose = MakeButton(this, TwipsRect(1560, 1440, 1695, 375), QString(), true);
    connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(CommandClose, true);
    retranslate();
    GiveTitleBarIfNeeded(this, true);
}

void UserInfoForm::retranslate() {
    setWindowTitle(tr("情報ｳｲﾝﾄﾞｳ(ﾕｰｻﾞｰ)"));
    Label1->setText(tr("ユ　ー　ザ　ー　情　報"));
    Label2[0]->setText(tr("名前"));
    Label2[1]->setText(tr("ｸﾚｼﾞｯﾄ"));
    Label2[2]->setText(tr("破産数"));
    FitWidth(Label1);
    for (Label* label : Label2) FitWidth(label);
    CommandClose->setText(tr("閉じる"));
    describe();
}

void UserInfoForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ActivatedForm::changeEvent(event);
}

void UserInfoForm::Form_Activate() {
    const GameState& s = State();
    LabelPlayer->setText(s.PlayerRecord.Name);
    LabelCredit->setText(QString::number(s.PlayerRecord.Credit));
    LabelBankrupt->setText(QString::number(s.PlayerRecord.BankruptCount));
    describe();
}

void UserInfoForm::describe() {
    setAccessibleDescription(QStringLiteral("%1 %2, %3 %4, %5 %6")
                                 .arg(Label2[0]->text(), LabelPlayer->text(), Label2[1]->text(),
                                      LabelCredit->text(), Label2[2]->text(),
                                      LabelBankrupt->text()));
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
    const QFont font = platform::UiFont("Small Fonts", 8.25);
    for (const HelpText& t : kHelpTexts) {
        Label* label = MakeLabel(this, TwipsRect(120, t.top, 4455, t.height), QString(), font);
        label->setTextColour(QColor(0, 0, 128));
        label->setWordWrap(true);
        Label1[t.index] = label;
    }
    CommandHelpOK = MakeButton(this, TwipsRect(1680, 4200, 1455, 375), QString(), true);
    connect(CommandHelpOK, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(CommandHelpOK, true);
    retranslate();
}

void HelpForm::retranslate() {
    // Frameless, the window shows no title; it still has a name for a screen reader, which also
    // reads the four lines as the window's description.
    setWindowTitle(tr("遊び方"));
    QStringList lines;
    for (const HelpText& t : kHelpTexts) {
        Label1[t.index]->setText(tr(t.text));
        lines << Label1[t.index]->text().trimmed();
    }
    // A text that wraps gets the room its lines take and half a line before the next text, which
    // moves down when it must, so that each item reads as a block of its own.
    const int line = QFontMetrics(Label1[0]->font()).lineSpacing();
    int free = 0;  // the first row below the texts so far, which run from the top
    for (const HelpText& t : kHelpTexts) {
        Label* label = Label1[t.index];
        const QRect design = TwipsRect(120, t.top, 4455, t.height);
        const int height = label->wrappedTextHeight();
        label->move(design.x(), std::max(design.y(), free));
        label->resize(design.width(), std::max(design.height(), height));
        free = label->y() + height + (height > line ? line / 2 : 0);
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    CommandHelpOK->setText(tr("閉じる"));
}

void HelpForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ActivatedForm::changeEvent(event);
}

}  // namespace zarvelo
