// Copies game state into the main window's status labels, "Card Point" and "Porker Prize" panels.
#include "screen/ScreenObject.h"

#include "rules/Game.h"
#include "screen/CardChart.h"
#include "screen/NamedControls.h"
#include "screen/Palette.h"
#include "tables/PointTables.h"

namespace zarvelo {

void ShowStatus() {
    const GameState& s = State();
    NamedControls& f = Controls();
    f.LabelBet->setText(QString::number(s.Bet));
    f.LabelCredit->setText(QString::number(s.Credit));
    f.LabelHiscore->setText(QString::number(s.HiScore));
    f.LabelScore->setText(QString::number(s.TotalCards));
    f.LabelWin->setText(QString::number(s.Win));
    f.LabelMessage->setText(s.MessageText);
    f.Window->setWindowTitle(s.MainCaption);
    f.LabelNumberOfCards->setText(QString::number(s.GameCards));
}

CardPointView CardPointViewFor(int cardsInStage) {
    struct Row {
        int n;
        CardPointView view;
    };
    static constexpr Row kViews[] = {
        {15, {16, 6}}, {19, {14, 6}}, {23, {13, 6}}, {27, {11, 6}}, {31, {12, 6}}, {39, {8, 6}},
        {43, {6, 6}},  {47, {6, 5}},  {49, {6, 3}},  {50, {6, 2}},  {51, {6, 1}},  {52, {6, 0}},
    };
    for (const Row& row : kViews)
        if (row.n == cardsInStage) return row.view;
    return {kFirstPanelEntry + 6, -1};
}

void ShowCardPoints() {
    const GameState& s = State();
    NamedControls& f = Controls();
    const CardPointView view = CardPointViewFor(s.CardsInStage());
    for (int r = 6, k = view.firstEntry; r >= 1; --r, --k) {
        f.LabelPoint[r]->setText(s.PointRange[k]);
        f.LabelPointValue[r]->setText(QString::number(s.PointValue[k]));
    }
    for (int r = 0; r <= 6; ++r) {
        f.LabelPointValue[r]->setTextColour(palette::kPointRow);
        f.LabelPoint[r]->setTextColour(palette::kPointRow);
    }
    if (view.highlightedRow >= 0) {
        f.LabelPointValue[view.highlightedRow]->setTextColour(palette::kHighlightedPointRow);
        f.LabelPoint[view.highlightedRow]->setTextColour(palette::kHighlightedPointRow);
    }
    f.LabelNumberOfCards->setText(QString::number(s.GameCards));
}

void ResetPointValues() {
    const GameState& s = State();
    NamedControls& f = Controls();
    f.LabelPointValue[0]->setText(QString::number(s.PointValue[0]));
    for (int r = 1; r <= 6; ++r) {
        f.LabelPointValue[r]->setText(QString::number(s.PointValue[kFirstPanelEntry + r]));
    }
}

void ShowPokerTable() {
    const GameState& s = State();
    NamedControls& f = Controls();
    for (int i = 0; i < kPokerHands; ++i)
        f.LabelPorkerPoint[i]->setText(QString::number(s.PokerPrize[i]));
    for (int i = 0; i < kPokerHands; ++i)
        f.LabelPorkerScore[i]->setText(QString::number(s.PokerCount[i]));
}

void RefreshPanels() {
    ShowStatus();
    ResetPointValues();
    ShowCardChart();
    ShowPokerTable();
}

void SetButtonMode(ButtonMode mode) {
    NamedControls& f = Controls();
    const bool playing = mode == ButtonMode::Playing;
    for (QPushButton* button : f.BettingButtons()) button->setVisible(!playing);
    if (!playing) {
        f.CommandBet->setEnabled(true);
        f.CommandRepeatBet->setEnabled(false);
    }
    f.CommandNextGame->setEnabled(true);
}

void ShowButtonsAfterGame() {
    NamedControls& f = Controls();
    for (QPushButton* button : f.BettingButtons()) button->show();
    f.CommandBet->setEnabled(true);
    f.CommandRepeatBet->setEnabled(true);
}

void ShowMessageLine(const QString& text) { Controls().LabelMessage->setText(text); }

void ShowHiScore() { Controls().LabelHiscore->setText(QString::number(State().HiScore)); }

}  // namespace zarvelo
