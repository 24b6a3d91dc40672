// Plays what the rules report on the main window.
#include "windows/EventPlayer.h"

#include <QCoreApplication>

#include "files/FileObject.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "rules/Game.h"
#include "screen/CardChart.h"
#include "screen/NamedControls.h"
#include "screen/ScreenObject.h"
#include "screen/TableDrawing.h"
#include "windows/Announcer.h"

namespace zarvelo {

namespace {

void ShowOnScreen(Show what) {
    switch (what) {
        case Show::Status: ShowStatus(); break;
        case Show::CardPoints: ShowCardPoints(); break;
        case Show::PointValues: ResetPointValues(); break;
        case Show::PokerTable: ShowPokerTable(); break;
        case Show::Panels: RefreshPanels(); break;
        case Show::FullCardChart: ResetCardChart(); break;
        case Show::Table: ShowTable(); break;
        case Show::Cards: DrawTable(); break;
        case Show::ClearedTable: ClearTable(); break;
        case Show::IdleTable: ShowIdleTable(); break;
        case Show::RepaintNow: Controls().RepaintNow(); break;
        case Show::HiScore: ShowHiScore(); break;
        case Show::BettingButtons: SetButtonMode(ButtonMode::Betting); break;
        case Show::PlayingButtons: SetButtonMode(ButtonMode::Playing); break;
        case Show::ButtonsAfterGame: ShowButtonsAfterGame(); break;
    }
}

// The announcement of an input goes out once the input is handled.
void FlushLater() {
    static bool pending = false;
    if (pending) return;
    pending = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            pending = false;
            WindowAnnouncer().Flush(State());
        },
        Qt::QueuedConnection);
}

}  // namespace

void WindowEvents::Play(const Event& e) {
    WindowAnnouncer().Hear(e, State());
    if (WindowAnnouncer().pending()) FlushLater();
    switch (e.kind) {
        case EventKind::Sound: platform::PlayWave(e.sound); break;
        case EventKind::Box: platform::ShowMessageBox(e.text, e.title, e.icon); break;
        case EventKind::MessageLine: ShowMessageLine(e.text); break;
        case EventKind::Show: ShowOnScreen(e.show); break;
        case EventKind::SaveRecordAndRanking:
            SaveRecordAndRanking(e.text, e.record, e.ranking);
            break;
        case EventKind::SavePlayerFiles: SavePlayerFiles(e.text, e.record); break;
        case EventKind::ReportDataProblems: ReportDataProblems(); break;
        // The screen shows these through the labels the rules ask for; the announcer tells them.
        case EventKind::Money:
        case EventKind::PickRefused:
        case EventKind::StageCleared:
        case EventKind::GameOver:
        case EventKind::PlayerChanged: break;
    }
}

EventSink& WindowSink() {
    static WindowEvents sink;
    return sink;
}

}  // namespace zarvelo
