// The pixel drawings are tables of rows, '#' for ink; the outlined club keeps the rings of its
// three lobes so that it reads as a club and not as the pointed spade beside it.
#include "cardlib/SuitSymbols.h"

#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "cardlib/PixelGrid.h"
#include "cardlib/SuitShapes.h"

namespace zarvelo::cardlib {

namespace {

struct Drawing {
    int suit;
    bool outline;
    std::array<const char*, 11> rows;  // unused rows are null
};

const Drawing kDrawings[] = {
    {1,
     true,
     {"....###....", "...#...#...", "...#...#...", "...#...#...", ".#########.", "#...#.#...#",
      "#...#.#...#", "#...#.#...#", ".###.#.###.", "....#.#....", "...#####..."}},
    {4,
     true,
     {".....#.....", "....#.#....", "...#...#...", "..#.....#..", ".#.......#.", "#.........#",
      "#.........#", ".#...#...#.", "..###.###..", "....#.#....", "...#####..."}},
    {1,
     false,
     {"...###...", "..#####..", "..#####..", "##.###.##", "#########", "#########", "##..#..##",
      "....#....", "..#####.."}},
    {2,
     false,
     {"...#...", "..###..", "..###..", ".#####.", "#######", ".#####.", "..###..", "..###..",
      "...#..."}},
    {3,
     false,
     {".##...##.", "####.####", "#########", "#########", "#########", ".#######.", "..#####..",
      "...###...", "....#...."}},
    {4,
     false,
     {"....#....", "...###...", "..#####..", ".#######.", "#########", "#########", "##.###.##",
      "....#....", "..#####.."}},
};

QSize SizeOf(const Drawing& d) {
    int height = 0;
    while (height < 11 && d.rows[static_cast<std::size_t>(height)]) ++height;
    return {static_cast<int>(std::strlen(d.rows[0])), height};
}

const Drawing* Find(int suit, bool outline, QSize size) {
    for (const Drawing& d : kDrawings)
        if (d.suit == suit && d.outline == outline && SizeOf(d) == size) return &d;
    return nullptr;
}

// Logical pixels are device pixels, up to a half turn or a mirror: the mapping is a unit scale
// of either sign and a whole offset.
bool UnitMapping(const QTransform& t) {
    auto whole = [](qreal x) { return std::abs(x - std::round(x)) < 1e-6; };
    return t.type() <= QTransform::TxScale && std::abs(std::abs(t.m11()) - 1) < 1e-6 &&
           std::abs(std::abs(t.m22()) - 1) < 1e-6 && whole(t.dx()) && whole(t.dy());
}

bool Whole(const QRectF& r) { return r.toRect() == r && r.width() > 0 && r.height() > 0; }

}  // namespace

bool HasSuitPixels(int suit, bool outline, QSize size) {
    return Find(suit, outline, size) != nullptr;
}

void PaintSuitSymbol(QPainter& painter, const QRectF& box, int suit, bool outline,
                     const QColor& colour) {
    const QTransform toDevice = painter.deviceTransform();
    const Drawing* drawing =
        Whole(box) && UnitMapping(toDevice) ? Find(suit, outline, box.size().toSize()) : nullptr;
    if (drawing) {
        const PixelGrid grid(painter);
        grid.inDevicePixels(painter, [&] {
            const QSize size = SizeOf(*drawing);
            for (int y = 0; y < size.height(); ++y) {
                const char* row = drawing->rows[static_cast<std::size_t>(y)];
                for (int x = 0; x < size.width(); ++x) {
                    if (row[x] != '#') continue;
                    const QRectF pixel(box.x() + x, box.y() + y, 1, 1);
                    painter.fillRect(toDevice.mapRect(pixel).toRect(), colour);
                }
            }
        });
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (outline) {
        // A curve cannot keep to whole pixels: the line is one logical pixel, just inside the box.
        const qreal width = 1.0;
        QPen pen(colour, width);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(
            FitSuitPath(suit, box.adjusted(width / 2, width / 2, -width / 2, -width / 2)));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(FitSuitPath(suit, box));
    }
    painter.restore();
}

}  // namespace zarvelo::cardlib
