// The main window's controls by name, with the card library's handle of its table: all that the
// procedures filling the window need of it, without the window class itself.
#pragma once

#include <QPushButton>
#include <array>
#include <functional>

#include "cardlib/CardLib.h"
#include "screen/Controls.h"

namespace zarvelo {

struct NamedControls {
    QWidget* Window = nullptr;       // its title shows MainCaption
    cardlib::WindowHandle hWnd = 0;  // the table the card library paints on

    CaptionFrame* FrameNumberOfCards = nullptr;
    CaptionFrame* Frame1 = nullptr;
    CaptionFrame* Frame3 = nullptr;
    std::array<Label*, 7> LabelPoint{};
    std::array<Label*, 7> LabelPointValue{};
    Label* LabelNumberOfCards = nullptr;
    std::array<Label*, 5> LabelPorker{};
    std::array<Label*, 5> LabelPorkerPoint{};
    std::array<Label*, 5> LabelPorkerScore{};
    std::array<SuitPicture*, 4> PicSuit{};
    std::array<Label*, 4> LeftCard{};
    std::array<Label*, 5> Label1{};
    Label* LabelHiscore = nullptr;
    Label* LabelScore = nullptr;
    Label* LabelBet = nullptr;
    Label* LabelCredit = nullptr;
    Label* LabelWin = nullptr;
    Label* LabelMessage = nullptr;
    QPushButton* CommandRepeatBet = nullptr;
    QPushButton* CommandBet = nullptr;
    QPushButton* CommandNextGame = nullptr;
    std::array<ShapeOutline*, 6> FrameNotice{};

    // Called whenever the table's cards and marks have been drawn anew, so that what assistive
    // technology is told of the table follows what is painted.
    std::function<void()> TableDrawn;
    // Paints the table for the moment and shows it at once.
    std::function<void()> RepaintNow;

    // The three buttons of betting, as they stand from left to right.
    std::array<QPushButton*, 3> BettingButtons() const {
        return {CommandRepeatBet, CommandBet, CommandNextGame};
    }
};

// The controls of the one main window, which is made on first use.
NamedControls& Controls();

}  // namespace zarvelo
