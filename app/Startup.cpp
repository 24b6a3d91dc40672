// Start-up and shutdown of the program.
#include "app/Startup.h"

#include <QApplication>
#include <QScreen>

#include "artwork/LogoPainter.h"
#include "files/FileObject.h"
#include "platform/Platform.h"
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
}

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

bool Main() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        PrefetchSplashLogo(screen->devicePixelRatio());
    if (!LoadCardLibrary()) return false;
    frmSplash& splash = SingleWindow<frmSplash>::instance();
    MainForm& form = MainForm::instance();
    InitializeProgramState();
    InitMainWindow();
    ShowStatus();
    platform::HoldSounds(true);
    platform::PlayWave(QStringLiteral("Chime_2.wav"));
    splash.lblLicenseTo->setText(splash.lblLicenseTo->text() + PlayerName);
    // The wait blocks every paint, so the splash must be on screen before it begins.
    platform::ShowOnScreen(splash, kSplashMapTimeoutMilliseconds);
    platform::TraceMoment("splash");
    platform::HoldSounds(false);
    platform::StartupWait(kSplashMilliseconds);
    platform::TraceMoment("wait-over");
    splash.close();
    form.show();
    form.RepaintNow();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    platform::TraceMoment("main");
    return true;
}

}  // namespace zarvelo
