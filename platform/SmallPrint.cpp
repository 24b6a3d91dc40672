// The pixel face of the small print: capitals and digits five pixels high, lower case four with
// one-pixel ascenders, descenders two; digits all four wide so that figures line up in columns.
#include "platform/SmallPrint.h"

#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace zarvelo::platform {

namespace {

// Rows from the capital line down, '/' between rows, '#' ink; a glyph's width is its first row's.
struct GlyphRows {
    char c;
    const char* rows;
};

const GlyphRows kGlyphs[] = {
    {' ', "../../../../.."},
    {'0', ".##./#..#/#..#/#..#/.##."},
    {'1', "..#./.##./..#./..#./..#."},
    {'2', ".##./#..#/..#./.#../####"},
    {'3', "###./...#/.##./...#/###."},
    {'4', "..##/.#.#/#..#/####/...#"},
    {'5', "####/#.../###./...#/###."},
    {'6', ".##./#.../###./#..#/.##."},
    {'7', "####/...#/..#./.#../.#.."},
    {'8', ".##./#..#/.##./#..#/.##."},
    {'9', ".##./#..#/.###/...#/.##."},
    {'A', ".##./#..#/####/#..#/#..#"},
    {'B', "###./#..#/###./#..#/###."},
    {'C', ".###/#.../#.../#.../.###"},
    {'D', "###./#..#/#..#/#..#/###."},
    {'E', "####/#.../###./#.../####"},
    {'F', "####/#.../###./#.../#..."},
    {'G', ".###/#.../#.##/#..#/.###"},
    {'H', "#..#/#..#/####/#..#/#..#"},
    {'I', "###/.#./.#./.#./###"},
    {'J', "...#/...#/...#/#..#/.##."},
    {'K', "#..#/#.#./##../#.#./#..#"},
    {'L', "#.../#.../#.../#.../####"},
    {'M', "#...#/##.##/#.#.#/#...#/#...#"},
    {'N', "#...#/##..#/#.#.#/#..##/#...#"},
    {'O', ".###./#...#/#...#/#...#/.###."},
    {'P', "###./#..#/###./#.../#..."},
    {'Q', ".##./#..#/#..#/#.#./.#.#"},
    {'R', "###./#..#/###./#.#./#..#"},
    {'S', ".###/#.../.##./...#/###."},
    {'T', "#####/..#../..#../..#../..#.."},
    {'U', "#..#/#..#/#..#/#..#/.##."},
    {'V', "#...#/#...#/#...#/.#.#./..#.."},
    {'W', "#...#/#...#/#.#.#/##.##/#...#"},
    {'X', "#...#/.#.#./..#../.#.#./#...#"},
    {'Y', "#...#/.#.#./..#../..#../..#.."},
    {'Z', "####/..#./.#../#.../####"},
    {'a', "..../.###/#..#/#..#/.###"},
    {'b', "#.../###./#..#/#..#/###."},
    {'c', ".../.##/#../#../.##"},
    {'d', "...#/.###/#..#/#..#/.###"},
    {'e', "..../.##./####/#.../.###"},
    {'f', ".##/#../##./#../#.."},
    {'g', "..../.###/#..#/#..#/.###/...#/.##."},
    {'h', "#.../###./#..#/#..#/#..#"},
    {'i', "#/./#/#/#"},
    {'j', ".#/../.#/.#/.#/.#/#."},
    {'k', "#../#.#/##./#.#/#.#"},
    {'l', "#/#/#/#/#"},
    {'m', "...../####./#.#.#/#.#.#/#.#.#"},
    {'n', "..../###./#..#/#..#/#..#"},
    {'o', "..../.##./#..#/#..#/.##."},
    {'p', "..../###./#..#/#..#/###./#.../#..."},
    {'q', "..../.###/#..#/#..#/.###/...#/...#"},
    {'r', ".../#.#/##./#../#.."},
    {'s', "..../.###/##../..##/###."},
    {'t', ".#./###/.#./.#./..#"},
    {'u', "..../#..#/#..#/#..#/.###"},
    {'v', ".../#.#/#.#/#.#/.#."},
    {'w', "...../#...#/#.#.#/#.#.#/.#.#."},
    {'x', "..../#..#/.##./.##./#..#"},
    {'y', "..../#..#/#..#/#..#/.###/...#/.##."},
    {'z', "..../####/..#./.#../####"},
    {'!', "#/#/#/./#"},
    {'"', "#.#/#.#/.../.../..."},
    {'\'', "#/#/././."},
    {'(', ".#/#./#./#./.#"},
    {')', "#./.#/.#/.#/#."},
    {'*', "#.#/.#./#.#/.../..."},
    {'+', ".../.#./###/.#./..."},
    {',', "../../../../.#/#."},
    {'-', ".../.../###/.../..."},
    {'.', "././././#"},
    {'/', "..#/..#/.#./#../#.."},
    {':', "./#/././#"},
    {';', "../.#/../../.#/#."},
    {'<', "..#/.#./#../.#./..#"},
    {'=', ".../###/.../###/..."},
    {'>', "#../.#./..#/.#./#.."},
    {'?', ".##./#..#/..#./..../..#."},
    {'%', "#..#/...#/..#./.#../#..#"},
    {'[', "##/#./#./#./##"},
    {']', "##/.#/.#/.#/##"},
    {'_', "..../..../..../..../..../####"},
};

const QHash<QChar, QStringList>& Glyphs() {
    static const QHash<QChar, QStringList> glyphs = [] {
        QHash<QChar, QStringList> table;
        for (const GlyphRows& g : kGlyphs)
            table.insert(QLatin1Char(g.c), QString::fromLatin1(g.rows).split(QLatin1Char('/')));
        return table;
    }();
    return glyphs;
}

constexpr int kCell = 5;       // a monospaced character's advance
constexpr int kCellInk = 4;    // the part of a cell a glyph is centred in
constexpr int kLetterGap = 1;  // blank columns after each proportional glyph

int GlyphWidth(const QStringList& rows) { return static_cast<int>(rows.first().size()); }

// Logical pixels are device pixels: no scale and a whole offset.
bool OneToOne(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    auto whole = [](qreal x) { return std::abs(x - std::round(x)) < 1e-6; };
    return t.type() <= QTransform::TxTranslate && whole(t.dx()) && whole(t.dy());
}

int StartX(const QRect& area, Qt::Alignment alignment, qreal width) {
    if (alignment & Qt::AlignRight) return area.right() + 1 - static_cast<int>(std::ceil(width));
    if (alignment & Qt::AlignHCenter)
        return area.left() + static_cast<int>(std::floor((area.width() - width) / 2));
    return area.left();
}

void PaintPixels(QPainter& painter, const QRect& area, Qt::Alignment alignment, const QString& text,
                 const QColor& colour, SmallPrintSpacing spacing) {
    const bool mono = spacing == SmallPrintSpacing::Monospaced;
    int x = StartX(area, alignment, SmallPrintWidth(text, spacing));
    const int top = area.top() + kSmallPrintCapTop;
    for (const QChar c : text) {
        const QStringList& rows = Glyphs()[c];
        const int width = GlyphWidth(rows);
        const int left = mono ? x + std::max(0, (kCellInk - width) / 2) : x;
        for (int row = 0; row < rows.size(); ++row) {
            const QString& line = rows[row];
            for (int col = 0; col < width;) {
                if (line[col] != QLatin1Char('#')) {
                    ++col;
                    continue;
                }
                int end = col;
                while (end < width && line[end] == QLatin1Char('#')) ++end;
                painter.fillRect(QRect(left + col, top + row, end - col, 1), colour);
                col = end;
            }
        }
        x += mono ? kCell : width + kLetterGap;
    }
}

// The outline face at the pixel size whose capitals are as high as the pixel face's.
QFont Fitted(const QFont& face) {
    QFont font = face;
    font.setPixelSize(100);
    const qreal cap = QFontMetricsF(font).capHeight();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kSmallPrintCapHeight * 100 / cap))));
    return font;
}

void PaintOutline(QPainter& painter, const QRect& area, Qt::Alignment alignment,
                  const QString& text, const QColor& colour, SmallPrintSpacing spacing,
                  const QFont& face) {
    const QFont font = Fitted(face);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.setClipRect(area, Qt::IntersectClip);
    const qreal baseline = area.top() + kSmallPrintBaseline;
    if (spacing == SmallPrintSpacing::Monospaced) {
        // Each character centred in its cell, so the columns stand as in the pixel face.
        qreal x = StartX(area, alignment, static_cast<qreal>(kCell * text.size() - kLetterGap));
        for (const QChar c : text) {
            const qreal advance = metrics.horizontalAdvance(c);
            painter.drawText(QPointF(x + (kCellInk - advance) / 2, baseline), QString(c));
            x += kCell;
        }
    } else {
        const qreal width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(StartX(area, alignment, width), baseline), text);
    }
    painter.restore();
}

}  // namespace

QStringList SmallPrintGlyph(QChar c) { return Glyphs().value(c); }

int SmallPrintWidth(const QString& text, SmallPrintSpacing spacing) {
    if (text.isEmpty()) return 0;
    int width = 0;
    for (const QChar c : text) {
        const auto it = Glyphs().constFind(c);
        if (it == Glyphs().constEnd()) return -1;
        width += spacing == SmallPrintSpacing::Monospaced ? kCell : GlyphWidth(*it) + kLetterGap;
    }
    return width - kLetterGap;
}

void PaintSmallPrint(QPainter& painter, const QRect& area, Qt::Alignment alignment,
                     const QString& text, const QColor& colour, SmallPrintSpacing spacing,
                     const QFont& outlineFace) {
    if (OneToOne(painter) && SmallPrintWidth(text, spacing) >= 0) {
        PaintPixels(painter, area, alignment, text, colour, spacing);
    } else {
        PaintOutline(painter, area, alignment, text, colour, spacing, outlineFace);
    }
}

}  // namespace zarvelo::platform
