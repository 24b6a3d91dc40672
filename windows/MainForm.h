// The game window: the card table with its panels, status labels, buttons and menus.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>

#include "screen/NamedControls.h"

class QAction;
class QMenu;

namespace zarvelo {

class TableView;

// Its named controls are those of NamedControls, which is what the procedures see of it.
class MainForm : public QMainWindow, public NamedControls {
    Q_DECLARE_TR_FUNCTIONS(MainForm)

public:
    // The one main window, made on first use.
    static MainForm& instance();
    static bool exists();
    static void destroyInstance();

    TableView* table() const { return table_; }

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

    // The closing, unless it is under way or done.
    void UnloadOnce();
    // The closing saves, with no warning; whether they have run to their end.
    void SaveClosing();
    bool Saved() const { return saved_; }

    QMenu* MenuGame = nullptr;
    QMenu* MenuOption = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuQuit = nullptr;
    QAction* MenuPlayInSilence = nullptr;
    QAction* MenuUserInformation = nullptr;
    QAction* MenuRankingInformation = nullptr;
    QAction* MenuEnterUserName = nullptr;
    QAction* MenuHowToPlay = nullptr;
    // Checked while the interface is in English.
    QAction* MenuLanguage = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    MainForm();
    ~MainForm() override;
    void buildPanels();
    void buildStatusAndButtons();
    void buildMenus();
    void connectMenus();
    // Says the text to a screen reader now.
    void Tell(const QString& text);
    void retranslateMenus();

    TableView* table_ = nullptr;
    bool watchingExposure_ = false;
    bool unloaded_ = false;
    bool saved_ = false;
};

}  // namespace zarvelo
