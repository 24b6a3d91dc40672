// Reaches for the X server and the Wayland compositor the way Qt's platform plugins would.
#include "platform/DisplayCheck.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace zarvelo::platform {

namespace {
std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// libxcb is loaded, not linked: Qt's X11 plugin loads it anyway, and a build needs no headers.
// Connecting checks the address and the access rights both.
bool XServerAnswers() {
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb) return true;  // Qt's own message says more than a guess would
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool answers = true;
    if (connect && hasError && disconnect) {
        void* connection = connect(nullptr, nullptr);
        answers = connection && hasError(connection) == 0;
        if (connection) disconnect(connection);
    }
    dlclose(xcb);
    return answers;
}

bool WaylandAnswers(const std::string& name) {
    std::string path = name;
    if (path.empty() || path[0] != '/') {
        const std::string runtime = Variable("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    const bool answers = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}
}  // namespace

std::string MissingDisplayReason() {
    // QT_QPA_PLATFORM may list several platforms, each with options after a colon.
    bool x11 = false;
    bool wayland = false;
    std::istringstream platforms(Variable("QT_QPA_PLATFORM"));
    for (std::string entry; std::getline(platforms, entry, ';');) {
        entry = entry.substr(0, entry.find(':'));
        if (entry.empty()) continue;
        if (entry == "xcb") {
            x11 = true;
        } else if (entry.rfind("wayland", 0) == 0) {
            wayland = true;
        } else {
            return "";  // offscreen, a framebuffer, VNC: nothing to check here
        }
    }
    if (!x11 && !wayland) x11 = wayland = true;

    const std::string display = Variable("DISPLAY");
    const std::string waylandDisplay = Variable("WAYLAND_DISPLAY");
    const bool waylandSocket = !Variable("WAYLAND_SOCKET").empty();
    std::vector<std::string> tried;
    if (x11 && !display.empty()) {
        if (XServerAnswers()) return "";
        tried.push_back("DISPLAY=" + display);
    }
    if (wayland && (waylandSocket || !waylandDisplay.empty())) {
        if (waylandSocket || WaylandAnswers(waylandDisplay)) return "";
        tried.push_back("WAYLAND_DISPLAY=" + waylandDisplay);
    }
    if (tried.empty()) {
        const char* names = x11 && wayland ? "neither DISPLAY nor WAYLAND_DISPLAY is"
                            : x11          ? "DISPLAY is not"
                                           : "WAYLAND_DISPLAY is not";
        return std::string("zarvelo: no display to show the window on: ") + names +
               " set (start the game from a desktop session)";
    }
    std::string which = tried[0];
    if (tried.size() > 1) which += " or " + tried[1];
    return "zarvelo: no display to show the window on: nothing answers at " + which +
           " (is the desktop session running, and may this user use it?)";
}

}  // namespace zarvelo::platform
