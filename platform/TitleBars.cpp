// Asks the Wayland compositor, on a connection of our own, whether it offers server-side
// decorations; the answer is kept for the life of the program.
#include "platform/TitleBars.h"

#include <QGuiApplication>
#include <cstring>
#ifdef ZARVELO_HAVE_WAYLAND
#include <wayland-client.h>
#endif

namespace zarvelo::platform {

namespace {
#ifdef ZARVELO_HAVE_WAYLAND
void NoteGlobal(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
        std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0)
        *static_cast<bool*>(data) = true;
}
void ForgetGlobal(void*, wl_registry*, uint32_t) {}

bool CompositorOffersDecorations() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return true;  // nothing to ask: leave the title bars to the toolkit
    bool offered = false;
    static const wl_registry_listener listener = {NoteGlobal, ForgetGlobal};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}
#else
bool CompositorOffersDecorations() { return true; }
#endif
}  // namespace

bool WindowSystemDrawsTitleBars() {
    static const bool drawn =
        !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        CompositorOffersDecorations();
    return drawn;
}

}  // namespace zarvelo::platform
