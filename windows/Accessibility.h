// What assistive technology is told of the main window beyond what Qt tells of its widgets: the
// cards on the table as objects of their own, panels and figures named by their captions, chart
// rows by their suits, and announcements of what changed.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

namespace zarvelo {

class Label;
class TableView;

// Gives the game's own widgets their accessible interfaces. It must come before the first of them
// is made: an interface, once asked for, is kept as long as its widget lives.
void InstallAccessibility();

// The figure is read together with its caption ("Credit 100"), which becomes its label.
void ReadWithCaption(Label* figure, Label* caption);

// The label reads as the name, worked out when asked for; the parts are read only through it.
void ReadAs(Label* label, std::function<QString()> name, std::initializer_list<Label*> parts = {});

// The row is read as its suit and the ranks it still lists ("Hearts: A 3 4 5 6 7 8 9 10 J Q K").
void ReadAsChartRow(Label* row, int suit);

// The table's cards, its marks or the message line changed: once the event being handled is
// done, the table's objects tell their new names.
void AnnounceTableChanges(TableView* table);

// The screen reader is told the text, wherever the focus is.
void AnnounceOnTable(TableView* table, const QString& text);

}  // namespace zarvelo
