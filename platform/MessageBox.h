// The one kind of dialog the game shows: a modal box with one OK button.
#pragma once

#include <QString>
#include <functional>

namespace zarvelo::platform {

enum class MessageIcon { None, Information, Warning, Critical };

struct MessageBoxCall {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// A modal box with one OK button; returns when it has been closed.
void ShowMessageBox(const QString& text, const QString& title = QString(),
                    MessageIcon icon = MessageIcon::None);

// While nobody is there to answer (the session or the program is being ended), boxes are
// written to standard error instead.
void SetUnattended(bool unattended);
bool Unattended();

// The text with every line longer than a box can show shortened in its middle.
QString ElideLongLines(const QString& text);

// Replaces the real box (tests); an empty handler restores it.
using MessageBoxHandler = std::function<void(const MessageBoxCall&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace zarvelo::platform
