// Start-up of the program: the one path every start takes, with or without the splash.
#include "app/Startup.h"

#include <QApplication>
#include <QScreen>

#include "artwork/LogoPainter.h"
#include "files/FileObject.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "platform/WindowOnScreen.h"
#include "rules/Dealing.h"
#include "screen/CardChart.h"
#include "screen/Module1.h"
#include "screen/ScreenObject.h"
#include "state/GameState.h"
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
}  // namespace

void InitializeProgramState() {
    FirstSelection = true;
    DeckPosition = GameCards = TotalCards = HiScore = 0;
    Stage = 1;
    GameOver = StageCleared = false;
    FillCardChart();
    LoadLastPlayer();
    CopyRecordToState();
    LoadRanking();
    BuildPointTable();
    MainForm& f = MainForm::instance();
    for (QAction* item : {f.MenuRankingInformation, f.MenuUserInformation, f.MenuEnterUserName})
        item->setEnabled(true);
}

frmSplash& MakeSplash() {
    frmSplash& splash = SingleWindow<frmSplash>::instance();
    splash.lblLicenseTo->setText(splash.lblLicenseTo->text() + PlayerName);
    return splash;
}

bool PrepareMainWindow() {
    if (!LoadCardLibrary()) return false;
    InitializeProgramState();
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
    platform::PlayWave(QStringLiteral("Chime_2.wav"));
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
    return true;
}

}  // namespace zarvelo
