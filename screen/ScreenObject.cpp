// Copies game state into the main window's status labels, "Card Point" and "Porker Prize" panels.
#include "screen/ScreenObject.h"

#include "screen/CardChart.h"
#include "screen/Palette.h"
#include "state/GameState.h"
#include "tables/PointTables.h"
#include "windows/NamedControls.h"

namespace zarvelo {

void ShowStatus() {
    NamedControls& f = Controls();
    f.LabelBet->setText(QString::number(Bet));
    f.LabelCredit->setText(QString::number(Credit));
    f.LabelHiscore->setText(QString::number(HiScore));
    f.LabelScore->setText(QString::number(TotalCards));
    f.LabelWin->setText(QString::number(Win));
    f.LabelMessage->setText(MessageText);
    f.Window->setWindowTitle(MainCaption);
    f.LabelNumberOfCards->setText(QString::number(GameCards));
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
    NamedControls& f = Controls();
    const CardPointView view = CardPointViewFor(CardsInStage());
    for (int r = 6, k = view.firstEntry; r >= 1; --r, --k) {
        f.LabelPoint[r]->setText(PointRange[k]);
        f.LabelPointValue[r]->setText(QString::number(PointValue[k]));
    }
    for (int r = 0; r <= 6; ++r) {
        f.LabelPointValue[r]->setTextColour(palette::kPointRow);
        f.LabelPoint[r]->setTextColour(palette::kPointRow);
    }
    if (view.highlightedRow >= 0) {
        f.LabelPointValue[view.highlightedRow]->setTextColour(palette::kHighlightedPointRow);
        f.LabelPoint[view.highlightedRow]->setTextColour(palette::kHighlightedPointRow);
    }
    f.LabelNumberOfCards->setText(QString::number(GameCards));
}

void ResetPointValues() {
    NamedControls& f = Controls();
    f.LabelPointValue[0]->setText(QString::number(PointValue[0]));
    for (int r = 1; r <= 6; ++r) {
        f.LabelPointValue[r]->setText(QString::number(PointValue[kFirstPanelEntry + r]));
    }
}

void ShowPokerTable() {
    NamedControls& f = Controls();
    SetPokerPrizes();
    for (int i = 0; i < kPokerHands; ++i)
        f.LabelPorkerPoint[i]->setText(QString::number(PokerPrize[i]));
    for (int i = 0; i < kPokerHands; ++i)
        f.LabelPorkerScore[i]->setText(QString::number(PokerCount[i]));
}

void RefreshPanels() {
    ShowStatus();
    ResetPointValues();
    ShowCardChart();
    ShowPokerTable();
}

}  // namespace zarvelo
