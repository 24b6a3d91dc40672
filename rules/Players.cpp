// The player change of the name entry, and the record saved when the program closes.
#include "rules/Players.h"

#include "files/FileObject.h"
#include "rules/Game.h"
#include "screen/Messages.h"
#include "tables/PlayerData.h"

namespace zarvelo {

void NameWindowForPlayer() {
    GameState& s = RulesState();
    s.MainCaption = CaptionFor(s.PlayerName);
}

void RememberPlayerName() {
    GameState& s = RulesState();
    s.PreviousPlayerName = s.PlayerName;
}

bool ChangePlayer(const QString& typedName) {
    GameState& s = RulesState();
    if (typedName == s.PreviousPlayerName) {
        s.PlayerName = typedName;
        return false;
    }
    // The outgoing player plays on until saved: an end during the save's box saves that one.
    SavePlayerFiles(s.PreviousPlayerName, s.PlayerRecord);
    s.PlayerName = typedName;
    if (auto stored = LoadPlayerFile(s.PlayerName)) {
        s.PlayerRecord = *stored;
    } else {
        ResetRecordForNewPlayer(s);
        s.PlayerRecord.Name = s.PlayerName;
    }
    CopyRecordToState(s);
    ReportDataProblems();
    s.MainCaption = QStringLiteral("Zarvelo?(") + s.PlayerName + QLatin1Char(')');
    s.Win = 0;
    // The outgoing player's game ends here: its stake was never saved, and the incoming
    // player starts from the waiting table rather than inheriting it.
    s.Bet = 0;
    s.GameInProgress = false;
    s.GameOver = false;
    s.StageCleared = false;
    return true;
}

void SaveSession() {
    GameState& s = RulesState();
    CopyStateToRecord(s);
    SaveRecordAndRanking(s.PlayerName, s.PlayerRecord, s.Ranking);
}

}  // namespace zarvelo
