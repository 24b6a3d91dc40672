// The four small windows opened from the menus: name entry, ranking, user information and help.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "windows/Controls.h"

namespace zarvelo {

// A window that runs its Form_Activate each time it becomes the active window, and takes Return
// and Escape as a dialog does.
class ActivatedForm : public QWidget {
public:
    virtual void Form_Activate() {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void setDefaultButton(QPushButton* button, bool closesOnEscape) {
        defaultButton_ = button;
        closesOnEscape_ = closesOnEscape;
    }

private:
    QPushButton* defaultButton_ = nullptr;
    bool closesOnEscape_ = false;
};

class EnterNameForm : public ActivatedForm {
public:
    EnterNameForm();
    void Form_Activate() override;
    void StartingButton_Click();

    Label* StartingLabelPlayer = nullptr;
    QLineEdit* StartingTextPlayer = nullptr;
    QPushButton* StartingButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChangePlayer();
};

class RankingForm : public ActivatedForm {
public:
    RankingForm();
    void Form_Activate() override;
    void FillRankingLabels();

    Label* Label1 = nullptr;
    std::array<Label*, 5> Label2{};
    std::array<Label*, 5> LabelPlayer{}, LabelRound{}, LabelCards{}, LabelScore{}, LabelDate{};
    QPushButton* CommandClose = nullptr;
};

class UserInfoForm : public ActivatedForm {
public:
    UserInfoForm();
    void Form_Activate() override;

    Label* Label1 = nullptr;
    std::array<Label*, 3> Label2{};
    Label* LabelPlayer = nullptr;
    Label* LabelCredit = nullptr;
    Label* LabelBankrupt = nullptr;
    QPushButton* CommandClose = nullptr;
};

class HelpForm : public ActivatedForm {
public:
    HelpForm();

    Label* Label2 = nullptr;
    std::array<Label*, 5> Label1{};
    QPushButton* CommandHelpOK = nullptr;
};

}  // namespace zarvelo
