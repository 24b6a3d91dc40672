// The main window's menu commands and its closing.
#include <QApplication>
#include <QCloseEvent>

#include "files/FileObject.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "rules/Game.h"
#include "rules/Players.h"
#include "tables/PlayerData.h"
#include "windows/EventPlayer.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"

namespace zarvelo {

namespace {
// The windows change at once; the choice is kept for the next start when it can be.
void ChooseLanguage(platform::Language language) {
    platform::UseLanguage(language);
    QString error;
    if (!platform::SaveLanguage(language, &error)) {
        platform::ShowMessageBox(
            QStringLiteral("The choice of language cannot be kept for the next start.\n\n%1")
                .arg(error),
            QString(), platform::MessageIcon::Warning);
    }
}
}  // namespace

void MainForm::connectMenus() {
    connect(MenuQuit, &QAction::triggered, this, [this] { close(); });
    connect(MenuEnterUserName, &QAction::triggered, this,
            [] { SingleWindow<EnterNameForm>::showModeless(); });
    connect(MenuUserInformation, &QAction::triggered, this,
            [] { SingleWindow<UserInfoForm>::showModeless(); });
    connect(MenuRankingInformation, &QAction::triggered, this,
            [] { SingleWindow<RankingForm>::showModeless(); });
    connect(MenuHowToPlay, &QAction::triggered, this,
            [] { SingleWindow<HelpForm>::showModeless(); });
    connect(MenuLanguage, &QAction::triggered, this, [](bool english) {
        ChooseLanguage(english ? platform::Language::English : platform::Language::Japanese);
    });
}

void MainForm::Form_QueryUnload() {
    // Nobody is there to read the warning when the program is ended from outside.
    zarvelo::Form_QueryUnload(TheGame(), !platform::Unattended(), WindowSink());
    saved_ = true;
}

void MainForm::SaveClosing() {
    SaveSession(TheGame(), WindowSink());
    saved_ = true;
}

void MainForm::UnloadOnce() {
    if (unloaded_) return;
    unloaded_ = true;
    Form_QueryUnload();
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Closing is never cancelled, and saving happens once however the window is closed.
    UnloadOnce();
    event->accept();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    QApplication::quit();
}

}  // namespace zarvelo
