// Start-up of the program: the one path every start takes, with or without the splash.
#include "app/Startup.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

#include "artwork/LogoPainter.h"
#include "files/FileObject.h"
#include "platform/Clock.h"
#include "platform/DataFiles.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/SingleCopy.h"
#include "platform/Sound.h"
#include "platform/WindowOnScreen.h"
#include "rules/Game.h"
#include "rules/Players.h"
#include "screen/CardChart.h"
#include "screen/Module1.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "tables/PlayerData.h"
#include "tables/PointTables.h"
#include "windows/MainForm.h"
#include "windows/SingleWindow.h"
#include "windows/SplashForm.h"

namespace zarvelo {

namespace {
constexpr int kSplashMilliseconds = 1300;
// How long a window manager may take to map the splash before start-up goes on without it.
constexpr int kSplashMapTimeoutMilliseconds = 2000;
void BringToFront() {
    if (!MainForm::exists()) return;
    MainForm& form = MainForm::instance();
    if (form.isMinimized()) form.showNormal();
    form.raise();
    form.activateWindow();
}

}  // namespace

bool TakeDataFolder() {
    const QString folder = platform::DataDirectory();
    QString holder;
    switch (platform::ClaimDataFolder(folder, BringToFront, &holder)) {
        case platform::FolderClaim::Ours:
            // No other copy is in the middle of a save: what a killed one left can go.
            platform::RemoveLeftoverTemporaryFiles(folder);
            return true;
        case platform::FolderClaim::Unlockable:
            std::fprintf(stderr, "zarvelo: %s\n", qPrintable(holder));
            return true;
        case platform::FolderClaim::Raised:
            std::fprintf(stderr,
                         "zarvelo: the game is already running with the data in %s (%s); its "
                         "window is brought to the front\n",
                         qPrintable(folder), qPrintable(holder));
            return false;
        case platform::FolderClaim::HeldBy: break;
    }
    platform::ShowMessageBox(QStringLiteral("The game is already running with the players' data "
                                            "in\n%1\n(%2).\n\nOnly one copy can play on the "
                                            "same data at a time.")
                                 .arg(folder, holder),
                             QString(), platform::MessageIcon::Information);
    return false;
}

void InitializeProgramState() {
    const LastPlayer last = LoadLastPlayer();
    const RankingTable ranking = LoadRanking();
    TheGame().InitializeProgramState(last.name, last.record, ranking);
    MainForm& f = MainForm::instance();
    for (QAction* item : {f.MenuRankingInformation, f.MenuUserInformation, f.MenuEnterUserName})
        item->setEnabled(true);
}

frmSplash& MakeSplash() {
    frmSplash& splash = SingleWindow<frmSplash>::instance();
    splash.lblLicenseTo->setText(splash.lblLicenseTo->text() + State().PlayerName);
    return splash;
}

bool PrepareMainWindow() {
    // The windows are made in the language the player chose last time.
    platform::UseLanguage(platform::SavedLanguage());
    if (!LoadCardLibrary()) return false;
    InitializeProgramState();
    NameWindowForPlayer(TheGame());
    InitMainWindow();
    ShowStatus();
    return true;
}

void ShowMainWindow() {
    MainForm& form = MainForm::instance();
    form.show();
    form.RepaintNow();
}

bool Main() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        PrefetchSplashLogo(screen->devicePixelRatio());
    if (!PrepareMainWindow()) return false;
    frmSplash& splash = MakeSplash();
    platform::HoldSounds(true);
    platform::PlayWave(platform::Sound::StartUp);
    // The wait blocks every paint, so the splash must be on screen before it begins.
    platform::ShowOnScreen(splash, kSplashMapTimeoutMilliseconds);
    platform::TraceMoment("splash");
    platform::HoldSounds(false);
    platform::StartupWait(kSplashMilliseconds);
    platform::TraceMoment("wait-over");
    splash.close();
    ShowMainWindow();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    platform::TraceMoment("main");
    ReportDataProblems();
    return true;
}

}  // namespace zarvelo
