// Setting up and tearing down the shared test fixture.
#include "tests/GameFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/Startup.h"
#include "files/FileObject.h"
#include "platform/Clock.h"
#include "platform/DataFiles.h"
#include "platform/Folders.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Betting.h"
#include "rules/Dealing.h"
#include "screen/CardChart.h"
#include "screen/ScreenObject.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"
#include "windows/TableView.h"

namespace zarvelo::testing {

void GameFixture::SetUp() {
    ASSERT_TRUE(directory.isValid());
    {
        platform::MessageBoxRecorder untold;  // what an earlier test left for the player
        ReportDataProblems();
    }
    TheGame().reset();
    platform::SetProgramDirectory(directory.path());
    platform::SetToday(QDate(2026, 12, 7));
    boxes = std::make_unique<platform::MessageBoxRecorder>();
    platform::SetSoundHook([this](const QString& name) { sounds << name; });
}

void GameFixture::TearDown() {
    MainForm::destroyInstance();
    platform::UseLanguage(platform::Language::Japanese);
    platform::SetSoundHook({});
    boxes.reset();
    platform::SetUnattended(false);
    platform::SetDataDirectory(QString());
    platform::SetToday(QDate());
    platform::SetProgramDirectory(QString());
}

MainForm& GameFixture::Form() {
    MainForm& form = MainForm::instance();
    if (!form.isVisible()) form.show();
    return form;
}

MainForm& GameFixture::StartUp() {
    // The program's own start-up, without the splash, in this test's empty folder.
    EXPECT_TRUE(PrepareMainWindow());
    ShowMainWindow();
    return MainForm::instance();
}

void GameFixture::ClickTable(int x, int y) {
    QTest::mouseClick(MainForm::instance().table(), Qt::LeftButton, {}, QPoint(x, y));
}

void GameFixture::Press(QPushButton* button) {
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

MainForm& GameFixture::StartWithRow(const std::vector<CardNumber>& row,
                                    const std::vector<CardNumber>& rest) {
    MainForm& f = StartUp();
    Press(f.CommandBet);
    Press(f.CommandNextGame);
    ArrangeDeal(row, rest);
    S().Win = 0;
    return f;
}

QByteArray GameFixture::Read(const QString& name) const {
    QFile file(QDir(directory.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GameFixture::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(QDir(directory.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList GameFixture::Files() const {
    return QDir(directory.path()).entryList(QDir::Files, QDir::Name);
}

void GameFixture::Activate(QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}

void GameFixture::EnterName(const QString& name) {
    MainForm::instance().MenuEnterUserName->trigger();
    EnterNameForm& form = SingleWindow<EnterNameForm>::instance();
    Activate(&form);
    form.StartingTextPlayer->selectAll();
    QTest::keyClicks(form.StartingTextPlayer, name);
    QTest::mouseClick(form.StartingButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameFixture::ArrangeDeal(const std::vector<CardNumber>& row,
                              const std::vector<CardNumber>& rest) {
    S().Deck.fill(0);
    for (int i = 0; i < 5; ++i) {
        S().TableCards[i + 1] = row[i];
        S().Deck[i] = row[i];
    }
    for (size_t i = 0; i < rest.size(); ++i) S().Deck[5 + i] = rest[i];
    S().DeckPosition = 5;
    FillCardChart(S());
    for (CardNumber card : row)
        if (card)
            S().CardChart[cardlib::GetCardSuit(card) - 1][cardlib::GetCardValue(card) - 1] = ' ';
    RefreshTable(TheGame(), WindowSink());
}

}  // namespace zarvelo::testing
