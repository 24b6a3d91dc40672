// The player change of the name entry, and the record saved when the program closes.
#include "rules/Players.h"

#include "rules/Dealing.h"
#include "rules/Messages.h"
#include "tables/PlayerData.h"

namespace zarvelo {

namespace {

void ChangePlayer(GameState& s, const QString& typedName, const StoredRecord& stored, Events& out) {
    if (typedName == s.PreviousPlayerName) {
        s.PlayerName = typedName;
        out.Screen(Show::Cards);
        out.Screen(Show::RepaintNow);
        return;
    }
    // The outgoing player plays on until saved: an end during the save's box saves that one.
    out.SaveWanted(EventKind::SavePlayerFiles, s.PreviousPlayerName, s);
    s.PlayerName = typedName;
    if (auto record = stored(s.PlayerName)) {
        s.PlayerRecord = *record;
    } else {
        ResetRecordForNewPlayer(s);
        s.PlayerRecord.Name = s.PlayerName;
    }
    CopyRecordToState(s);
    out.Report({.kind = EventKind::PlayerChanged, .text = s.PlayerName});
    out.Report({.kind = EventKind::ReportDataProblems});
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
    out.SaveWanted(EventKind::SaveRecordAndRanking, s.PlayerName, s);
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
