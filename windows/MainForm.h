// The game window: the card table with its panels, status labels, buttons and menus.
#pragma once

#include <QMainWindow>
#include <QPushButton>
#include <array>

#include "cardlib/CardLib.h"
#include "windows/Controls.h"

class QAction;
class QMenu;

namespace zarvelo {

class TableView;

class MainForm : public QMainWindow {
public:
    // The one main window, made on first use.
    static MainForm& instance();
    static bool exists();
    static void destroyInstance();

    // The handle the card library paints through.
    cardlib::WindowHandle hWnd() const { return handle_; }
    TableView* table() const { return table_; }

    // Paints the table for the moment and shows it at once.
    void RepaintNow();

    // Event handlers.
    void Form_MouseDown(int button, int shift, float x, float y);
    void Form_Click();
    void Form_Paint();
    // A click at the centre of table slot 1 to 5, as the keys 1 to 5 give it.
    void PressSlot(int slot);
    void CommandBet_Click();
    void CommandNextGame_Click();
    void CommandRepeatBet_Click();
    // Closing: warns about a stake that would be lost, then saves the player and the ranking.
    void Form_QueryUnload();

    // Ending from outside, with nobody to answer a box: the close and its saves run as a quit
    // would, without the stake warning; problems go to standard error.
    void EndUnattended();
    // For a quit that bypasses the window's closing: the closing saves, once.
    void SaveUnattended();
    // At the end of the desktop session: saves what a quit would save and plays on.
    void SaveForSessionEnd();

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

    QMenu* MenuGame = nullptr;
    QMenu* MenuOption = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuQuit = nullptr;
    QAction* MenuPlayInSilence = nullptr;
    QAction* menupartline8 = nullptr;
    QAction* MenuUserInformation = nullptr;
    QAction* MenuRankingInformation = nullptr;
    QAction* MenuPartLine1 = nullptr;
    QAction* MenuEnterUserName = nullptr;
    QAction* MenuHowToPlay = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MainForm();
    ~MainForm() override;
    void buildPanels();
    void buildStatusAndButtons();
    void buildMenus();
    void connectMenus();

    TableView* table_ = nullptr;
    cardlib::WindowHandle handle_ = 0;
    bool watchingExposure_ = false;
    bool unloaded_ = false;
};

}  // namespace zarvelo
