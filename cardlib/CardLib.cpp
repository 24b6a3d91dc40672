// Card identity and the library's drawing calls, which paint cached faces onto a table surface.
#include "cardlib/CardLib.h"

#include <QHash>
#include <QPainter>
#include <map>
#include <unordered_map>

#include "cardlib/CardFacePainter.h"
#include "cardlib/PixelGrid.h"
#include "cardlib/TableSurface.h"

namespace zarvelo::cardlib {

namespace {
std::map<WindowHandle, TableSurface*> g_surfaces;
WindowHandle g_nextHandle = 1;
bool g_failInitialize = false;

bool IsCard(std::int32_t card) { return card >= 1 && card <= 52; }

// Faces rendered once per card, pixel ratio and device size; painting a card is then one image
// copy. The size is that of the whole device pixels the card covers where it lies, which at a
// fractional ratio may be a pixel more or less than its width times the ratio.
const QImage& CachedFace(std::int32_t card, qreal ratio, QSize pixels) {
    struct Key {
        int card;
        qreal ratio;
        int width, height;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return qHashMulti(0, k.card, k.ratio, k.width, k.height);
        }
    };
    static std::unordered_map<Key, QImage, KeyHash> cache;
    const Key key{static_cast<int>(card), ratio, pixels.width(), pixels.height()};
    auto it = cache.find(key);
    if (it == cache.end()) {
        QImage face(pixels, QImage::Format_ARGB32_Premultiplied);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels.width() / qreal(kCardWidth), pixels.height() / qreal(kCardHeight));
        if (card > 0) {
            PaintCardFace(painter, QPointF(0, 0), GetCardSuit(card), GetCardValue(card));
        } else {
            PaintEmptySlot(painter, QPointF(0, 0));
        }
        painter.end();
        it = cache.emplace(key, face).first;
    }
    return it->second;
}

void PaintCached(WindowHandle window, std::int32_t card, std::int32_t x, std::int32_t y) {
    TableSurface* surface = SurfaceFor(window);
    if (!surface) return;
    const QRect box(x, y, kCardWidth, kCardHeight);
    surface->paint(box, [&](QPainter& painter) {
        const PixelGrid grid(painter);
        const QRect pixels = grid.deviceRect(box);
        const QImage& face = CachedFace(card, surface->image().devicePixelRatio(), pixels.size());
        grid.inDevicePixels(painter, [&] {
            // A card replaces what lay beneath it, as a card put on the table would.
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(pixels, Qt::black);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawImage(pixels.topLeft(), face);
        });
    });
}
}  // namespace

WindowHandle RegisterSurface(TableSurface* surface) {
    const WindowHandle handle = g_nextHandle++;
    g_surfaces[handle] = surface;
    return handle;
}

void UnregisterSurface(WindowHandle handle) { g_surfaces.erase(handle); }

TableSurface* SurfaceFor(WindowHandle handle) {
    const auto it = g_surfaces.find(handle);
    return it == g_surfaces.end() ? nullptr : it->second;
}

std::int32_t InitializeDeck(WindowHandle window) {
    if (g_failInitialize) return 0;
    return SurfaceFor(window) ? 1 : 0;
}

std::int32_t DealCard(WindowHandle window, std::int32_t card, std::int32_t x, std::int32_t y) {
    if (IsCard(card)) PaintCached(window, card, x, y);
    return 0;
}

std::int32_t DrawSymbol(WindowHandle window, std::int32_t symbol, std::int32_t x, std::int32_t y) {
    if (symbol == kEmptySlotSymbol) PaintCached(window, 0, x, y);
    return 0;
}

std::int32_t ClearTable(WindowHandle window) {
    if (TableSurface* surface = SurfaceFor(window)) surface->clear();
    return 0;
}

std::int32_t ClearCard(WindowHandle window, std::int32_t x, std::int32_t y) {
    if (TableSurface* surface = SurfaceFor(window))
        surface->clearRect(QRect(x, y, kCardWidth, kCardHeight));
    return 0;
}

void InjectInitializeFailure(bool fail) { g_failInitialize = fail; }

}  // namespace zarvelo::cardlib
