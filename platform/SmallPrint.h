// The small print of the panels (the "Small Fonts" 6-point rows, 9 pixels high and 8 apart): at
// ratio 1 a face of whole pixels drawn by this program, since no outline font that small keeps
// its descenders inside the label and its rows apart; at other ratios the label's outline face,
// fitted to the same rows.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

namespace zarvelo::platform {

enum class SmallPrintSpacing {
    Proportional,
    Monospaced,  // every character a 5-pixel cell, so a blank keeps a column's width
};

// Where the rows fall in a label, in logical pixels from its top: capitals and digits fill rows
// 2 to 6, descenders rows 7 and 8, so a row 8 pixels lower starts below them with a blank row.
inline constexpr int kSmallPrintCapTop = 2, kSmallPrintBaseline = 7, kSmallPrintCapHeight = 5,
                     kSmallPrintDescent = 2;

// Paints text into area from its top, aligned left, centred or right as alignment says. The
// pixel face serves when the painter maps logical pixels one to one and every character has a
// glyph; otherwise outlineFace, scaled to the same capital height, draws the text.
void PaintSmallPrint(QPainter& painter, const QRect& area, Qt::Alignment alignment,
                     const QString& text, const QColor& colour, SmallPrintSpacing spacing,
                     const QFont& outlineFace);

// Width of the text in the pixel face, in logical pixels; -1 when a character has no glyph.
int SmallPrintWidth(const QString& text, SmallPrintSpacing spacing);

// The rows of a character's glyph ('#' ink), top row at the capital line: five rows, then the
// descender's two when it has one. Empty when the face has no such glyph.
QStringList SmallPrintGlyph(QChar c);

}  // namespace zarvelo::platform
