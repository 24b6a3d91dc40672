// The main window's geometry, controls, menus and the routing of mouse and keyboard input.
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "state/GameState.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo::testing {
namespace {

using MainFormTest = GameFixture;

TEST_F(MainFormTest, ClientAreaIsFixedAndBlack) {
    MainForm& form = Form();
    EXPECT_EQ(form.table()->size(), QSize(427, 310));
    EXPECT_EQ(form.table()->mapTo(&form, QPoint(0, 0)).y(), form.menuBar()->height());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    const QImage shot = form.table()->grab(QRect(200, 150, 1, 1)).toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(form.windowTitle(), "Zarvelo?");
}

TEST_F(MainFormTest, SlotFramesSurroundTheCards) {
    MainForm& form = Form();
    for (int i = 1; i <= 5; ++i) {
        const QRect frame = form.FrameNotice[i]->geometry();
        EXPECT_EQ(frame, QRect(2 + 85 * (i - 1), 162, 81, 106)) << i;
        const QRect card(7 + 85 * (i - 1), 167, 71, 96);
        EXPECT_EQ(frame.adjusted(5, 5, -5, -5), card) << i;
    }
    EXPECT_EQ(form.FrameNotice[0]->geometry(), QRect(384, 272, 17, 17));
}

TEST_F(MainFormTest, ControlsStandWhereTheLayoutPutsThem) {
    MainForm& f = Form();
    struct Case {
        QWidget* widget;
        QRect geometry;
    };
    const Case cases[] = {
        {f.FrameNumberOfCards, {8, 8, 161, 81}},
        {f.Frame1, {256, 8, 161, 81}},
        {f.Frame3, {256, 96, 161, 65}},
        {f.LabelPoint[0], {8, 16, 81, 9}},
        {f.LabelPoint[6], {32, 64, 33, 9}},
        {f.LabelPointValue[3], {88, 40, 25, 9}},
        {f.LabelNumberOfCards, {120, 48, 33, 25}},
        {f.LabelPorker[4], {8, 48, 81, 9}},
        {f.LabelPorkerScore[2], {120, 32, 25, 9}},
        {f.PicSuit[0], {8, 16, 11, 11}},
        {f.PicSuit[1], {8, 32, 7, 9}},
        {f.PicSuit[3], {8, 48, 9, 9}},
        {f.PicSuit[2], {8, 64, 11, 11}},
        {f.LeftCard[3], {24, 64, 137, 9}},
        {f.Label1[1], {8, 96, 121, 17}},
        {f.LabelHiscore, {120, 96, 49, 17}},
        {f.LabelWin, {176, 136, 41, 17}},
        {f.LabelMessage, {0, 280, 241, 25}},
        {f.CommandRepeatBet, {240, 272, 49, 33}},
        {f.CommandBet, {296, 272, 49, 33}},
        {f.CommandNextGame, {352, 272, 49, 33}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget;
    EXPECT_EQ(f.LabelPoint[0]->text(), "This Stage Clear");
    EXPECT_EQ(f.LeftCard[2]->text(), "A 2 3 4 5 6 7 8 9 10 J Q K");
    EXPECT_EQ(f.LabelPorker[2]->text(), "Four Of Kind");
    EXPECT_EQ(f.Frame3->caption(), "Porker Prize");
    EXPECT_EQ(f.PicSuit[3]->suit(), 3);  // the heart stands on the third row
    EXPECT_EQ(f.PicSuit[2]->suit(), 4);
    EXPECT_EQ(f.LabelMessage->textColour(), QColor(0, 255, 255));
    EXPECT_EQ(f.Label1[2]->textColour(), f.LabelCredit->textColour());
}

TEST_F(MainFormTest, MenuTreeHasItsCaptions) {
    MainForm& f = Form();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QString::fromUtf8("ｹﾞｰﾑ"));
    EXPECT_EQ(top[1]->text(), QString::fromUtf8("ｵﾌﾟｼｮﾝ"));
    EXPECT_EQ(top[2]->text(), QString::fromUtf8("ﾍﾙﾌﾟ"));
    const QList<QAction*> options = f.MenuOption->actions();
    ASSERT_EQ(options.size(), 7);
    EXPECT_EQ(options[0], f.MenuPlayInSilence);
    EXPECT_EQ(options[1], f.MenuLanguage);
    EXPECT_FALSE(f.MenuLanguage->isChecked());
    EXPECT_TRUE(options[2]->isSeparator());
    EXPECT_EQ(options[3]->text(), QString::fromUtf8("ﾕｰｻﾞｰ情報"));
    EXPECT_EQ(options[4]->text(), QString::fromUtf8("ﾗﾝｷﾝｸﾞ情報"));
    EXPECT_TRUE(options[5]->isSeparator());
    EXPECT_EQ(options[6]->text(), QString::fromUtf8("ﾌﾟﾚｲﾔｰ名の入力"));
    EXPECT_EQ(f.MenuQuit->text(), QString::fromUtf8("終了"));
    EXPECT_EQ(f.MenuHowToPlay->text(), QString::fromUtf8("遊び方"));
}

TEST_F(MainFormTest, SoundMenuItemDoesNothing) {
    MainForm& f = Form();
    S().ClickX = 11;
    f.MenuPlayInSilence->trigger();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(S().ClickX, 11);
}

TEST_F(MainFormTest, PressesOnTheTableReachMouseDownWithClientCoordinates) {
    MainForm& f = Form();
    QTest::mousePress(f.table(), Qt::LeftButton, {}, QPoint(78, 160));
    EXPECT_EQ(S().ClickX, 78);
    EXPECT_EQ(S().ClickY, 160);
    QTest::mouseRelease(f.table(), Qt::LeftButton, {}, QPoint(78, 160));
    QTest::mousePress(f.table(), Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_EQ(S().ClickX, 300);
    QTest::mouseRelease(f.table(), Qt::RightButton, {}, QPoint(300, 200));
}

TEST_F(MainFormTest, PressesOnLabelsAndButtonsDoNotReachTheTable) {
    MainForm& f = Form();
    S().ClickX = S().ClickY = -1;
    QWidget* targets[] = {f.LabelMessage, f.LabelCredit, f.LabelPoint[2],
                          f.Frame1,       f.PicSuit[0],  f.CommandBet};
    for (QWidget* target : targets) {
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(S().ClickX, -1) << target;
    }
    // The slot frames are only outlines: a press on one lands on the table beneath.
    f.FrameNotice[1]->show();
    QTest::mouseClick(f.FrameNotice[1], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(S().ClickX, 3);
    EXPECT_EQ(S().ClickY, 163);
}

TEST_F(MainFormTest, MouseDownRoundsHalvesToEven) {
    MainForm& f = Form();
    struct Case {
        float in;
        Counter out;
    };
    for (const Case& c : {Case{78.5f, 78}, Case{79.5f, 80}, Case{159.49f, 159}, Case{160.5f, 160},
                          Case{0.5f, 0}, Case{256.6f, 257}}) {
        f.Form_MouseDown(1, 0, c.in, c.in);
        EXPECT_EQ(S().ClickX, c.out) << c.in;
        EXPECT_EQ(S().ClickY, c.out) << c.in;
    }
}

TEST_F(MainFormTest, EnterPressesRepeatBetOnlyWhenVisibleAndEnabled) {
    MainForm& f = Form();
    QSignalSpy spy(f.CommandRepeatBet, &QPushButton::clicked);
    f.CommandRepeatBet->setEnabled(true);
    QTest::keyClick(&f, Qt::Key_Return);
    QTest::keyClick(&f, Qt::Key_Enter);
    EXPECT_EQ(spy.count(), 2);
    f.CommandRepeatBet->setEnabled(false);
    QTest::keyClick(&f, Qt::Key_Return);
    f.CommandRepeatBet->setEnabled(true);
    f.CommandRepeatBet->hide();
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 2);
}

}  // namespace
}  // namespace zarvelo::testing
