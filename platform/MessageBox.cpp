// The one kind of dialog the game shows: a modal box with one OK button.
#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QStringList>
#include <cstdio>

namespace zarvelo::platform {

namespace {
MessageBoxHandler g_messageBoxHandler;
bool g_unattended = false;
}  // namespace

void SetUnattended(bool unattended) { g_unattended = unattended; }
bool Unattended() { return g_unattended; }

QString ElideLongLines(const QString& text) {
    constexpr qsizetype kMost = 160;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.size() <= kMost) continue;
        line = line.left(kMost / 2) + QChar(0x2026) + line.right(kMost / 2 - 1);
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowMessageBox(const QString& text, const QString& title, MessageIcon icon) {
    const QString shown = ElideLongLines(text);
    if (g_unattended) {
        std::fprintf(stderr, "zarvelo: %s\n",
                     qPrintable(QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        return;
    }
    if (g_messageBoxHandler) {
        g_messageBoxHandler(MessageBoxCall{shown, title, icon});
        return;
    }
    QMessageBox box;
    box.setText(shown);
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Zarvelo?") : title);
    switch (icon) {
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void SetMessageBoxHandler(MessageBoxHandler handler) { g_messageBoxHandler = std::move(handler); }

}  // namespace zarvelo::platform
