#include "app/qt/display_check.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

namespace {

// The platform named by -platform or QT_QPA_PLATFORM, "" when none is.
std::string PlatformName(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
    const char* env = std::getenv("QT_QPA_PLATFORM");
    return env ? env : "";
}

// Connects to the X server the way the xcb platform will, through the
// library that platform itself loads.
bool XServerReachable(std::string* why) {
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) {
        *why = "the X client library cannot be loaded";
        return false;
    }
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool ok = false;
    if (connect && hasError && disconnect) {
        void* connection = connect(nullptr, nullptr);
        ok = connection && hasError(connection) == 0;
        if (connection) disconnect(connection);
    }
    dlclose(xcb);
    if (!ok) *why = std::string("the X display ") + std::getenv("DISPLAY") + " cannot be reached";
    return ok;
}

}  // namespace

bool DisplayReachable(int argc, char** argv, std::string* why) {
    const std::string platform = PlatformName(argc, argv);
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (platform.empty() || platform.rfind("xcb", 0) == 0) {
        if (display && *display) return XServerReachable(why);
        if (platform.empty() && wayland && *wayland) return true;
        *why = "DISPLAY is not set";
        return false;
    }
    return true;  // another platform (offscreen, wayland, vnc ...) reports for itself
}
