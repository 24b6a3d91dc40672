// The player change of the name entry, and the record saved when the program closes.
#include "rules/Players.h"

#include "rules/Dealing.h"
#include "rules/Messages.h"
#include "tables/PlayerData.h"

namespace zarvelo {

namespace {

void ReportSave(GameState& s, EventKind kind, const QString& player, Events& out) {
    Event save;
    save.kind = kind;
    save.text = player;
    save.record = s.PlayerRecord;
    save.ranking = s.Ranking;
    out.Report(std::move(save));
}

void ChangePlayer(GameState& s, const QString& typedName, const StoredRecord& stored, Events& out) {
    if (typedName == s.PreviousPlayerName) {
        s.PlayerName = typedName;
        out.Screen(Show::Cards);
        out.Screen(Show::RepaintNow);
        return;
    }
    // The outgoing player plays on until saved: an end during the save's box saves that one.
    ReportSave(s, EventKind::SavePlayerFiles, s.PreviousPlayerName, out);
    s.PlayerName = typedName;
    if (auto record = stored(s.PlayerName)) {
        s.PlayerRecord = *record;
    } else {
        ResetRecordForNewPlayer(s);
        s.PlayerRecord.Name = s.PlayerName;
    }
    CopyRecordToState(s);
    Event changed;
    changed.kind = EventKind::PlayerChanged;
    changed.text = s.PlayerName;
    out.Report(std::move(changed));
    Event problems;
    problems.kind = EventKind::ReportDataProblems;
    out.Report(std::move(problems));
    s.MainCaption = CaptionFor(s.PlayerName);
    s.Win = 0;
    // The outgoing player's game ends here: its stake was never saved, and the incoming
    // player starts from the waiting table rather than inheriting it.
    s.Bet = 0;
    s.GameInProgress = false;
    s.GameOver = false;
    s.StageCleared = false;
    out.Screen(Show::Status);
    out.Screen(Show::ClearedTable);
    out.Screen(Show::IdleTable);
    DealTable(s);
    out.Screen(Show::IdleTable);
}

}  // namespace

void NameWindowForPlayer(Game& game) {
    GameState& s = game.rulesState();
    s.MainCaption = CaptionFor(s.PlayerName);
}

void RememberPlayerName(Game& game) {
    GameState& s = game.rulesState();
    s.PreviousPlayerName = s.PlayerName;
}

std::vector<Event> ChangePlayer(Game& game, const QString& typedName, const StoredRecord& stored,
                                EventSink& sink) {
    Events out(sink);
    ChangePlayer(game.rulesState(), typedName, stored, out);
    return out.Take();
}

namespace {

void SaveSession(GameState& s, Events& out) {
    CopyStateToRecord(s);
    ReportSave(s, EventKind::SaveRecordAndRanking, s.PlayerName, out);
}

}  // namespace

std::vector<Event> SaveSession(Game& game, EventSink& sink) {
    Events out(sink);
    SaveSession(game.rulesState(), out);
    return out.Take();
}

std::vector<Event> Form_QueryUnload(Game& game, bool playerPresent, EventSink& sink) {
    GameState& s = game.rulesState();
    Events out(sink);
    if (playerPresent && s.Bet > 0 && (!s.GameOver || s.GameInProgress)) {
        out.Box(QStringLiteral("This bet is discarded."), QStringLiteral("Information"),
                platform::MessageIcon::Warning);
    }
    SaveSession(s, out);
    return out.Take();
}

}  // namespace zarvelo
