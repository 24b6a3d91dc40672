// The main window's menu commands and its closing.
#include <QApplication>
#include <QCloseEvent>

#include "files/FileObject.h"
#include "platform/Platform.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"

namespace zarvelo {

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
}

void MainForm::Form_QueryUnload() {
    // Nobody is there to read the warning when the program is ended from outside.
    if (Bet > 0 && (!GameOver || GameInProgress) && !platform::Unattended()) {
        platform::ShowMessageBox(QStringLiteral("This bet is discarded."),
                                 QStringLiteral("Information"), platform::MessageIcon::Warning);
    }
    CopyStateToRecord();
    SaveRanking();
    SavePlayerFiles();
}

void MainForm::EndUnattended() {
    platform::SetUnattended(true);
    // Inside the box of a close already under way, that close saves once the box is gone.
    if (!close()) QApplication::quit();
}

void MainForm::SaveUnattended() {
    if (unloaded_) return;
    unloaded_ = true;
    platform::SetUnattended(true);
    Form_QueryUnload();
}

void MainForm::SaveForSessionEnd() {
    const bool attended = !platform::Unattended();
    platform::SetUnattended(true);
    // What a quit would save; the game goes on as it was if the session does not end after all.
    const PlayerRecordType record = PlayerRecord;
    CopyStateToRecord();
    SaveRanking();
    SavePlayerFiles();
    PlayerRecord = record;
    if (attended) platform::SetUnattended(false);
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Closing is never cancelled, and saving happens once however the window is closed.
    if (!unloaded_) {
        unloaded_ = true;
        Form_QueryUnload();
    }
    event->accept();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    QApplication::quit();
}

}  // namespace zarvelo
