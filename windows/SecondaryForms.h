// The four small windows opened from the menus: name entry, ranking, user information and help.
#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "screen/Controls.h"

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
    Q_DECLARE_TR_FUNCTIONS(EnterNameForm)

public:
    EnterNameForm();
    void Form_Activate() override;
    void StartingButton_Click();

    Label* StartingLabelPlayer = nullptr;
    QLineEdit* StartingTextPlayer = nullptr;
    QPushButton* StartingButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ChangePlayer();
    void retranslate();
};

class RankingForm : public ActivatedForm {
    Q_DECLARE_TR_FUNCTIONS(RankingForm)

public:
    RankingForm();
    void Form_Activate() override;
    void FillRankingLabels();

    Label* Label1 = nullptr;
    std::array<Label*, 5> Label2{};
    std::array<Label*, 5> LabelPlayer{}, LabelRound{}, LabelCards{}, LabelScore{}, LabelDate{};
    QPushButton* CommandClose = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // What a screen reader reads of the window: its figures with their headings.
    void describe();
};

class UserInfoForm : public ActivatedForm {
    Q_DECLARE_TR_FUNCTIONS(UserInfoForm)

public:
    UserInfoForm();
    void Form_Activate() override;

    Label* Label1 = nullptr;
    std::array<Label*, 3> Label2{};
    Label* LabelPlayer = nullptr;
    Label* LabelCredit = nullptr;
    Label* LabelBankrupt = nullptr;
    QPushButton* CommandClose = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // What a screen reader reads of the window: its figures with their headings.
    void describe();
};

class HelpForm : public ActivatedForm {
    Q_DECLARE_TR_FUNCTIONS(HelpForm)

public:
    HelpForm();

    Label* Label2 = nullptr;
    std::array<Label*, 5> Label1{};
    QPushButton* CommandHelpOK = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};

}  // namespace zarvelo
