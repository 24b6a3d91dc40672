// Copies game state into the main window's status labels, "Card Point" and "Porker Prize" panels.
#pragma once

#include <QString>

namespace zarvelo {

enum class ButtonMode { Betting, Playing };
void SetButtonMode(ButtonMode mode);
// A game is over: all three betting buttons shown and usable.
void ShowButtonsAfterGame();
// Text written straight into the message line, which the game's message comes back over at the
// next refresh.
void ShowMessageLine(const QString& text);
void ShowHiScore();

void ShowStatus();
void ShowCardPoints();
void ResetPointValues();
// The prizes and counts as the rules last set them for the stake.
void ShowPokerTable();
void RefreshPanels();

// The "Card Point" view for n cards taken in the stage: the entry shown in the bottom row and
// the highlighted row, -1 for none.
struct CardPointView {
    int firstEntry;
    int highlightedRow;
};
CardPointView CardPointViewFor(int cardsInStage);

}  // namespace zarvelo
