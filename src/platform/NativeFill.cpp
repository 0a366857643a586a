#include "NativeFill.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdint>
#include <dlfcn.h>

namespace av {
namespace {

struct VoidCookie {
    unsigned int sequence;
};
using ChangeAttributes = VoidCookie (*)(xcb_connection_t*, std::uint32_t, std::uint32_t,
                                        const void*);
using ClearArea = VoidCookie (*)(xcb_connection_t*, std::uint8_t, std::uint32_t, std::int16_t,
                                 std::int16_t, std::uint16_t, std::uint16_t);
using Flush = int (*)(xcb_connection_t*);
constexpr std::uint32_t BackPixel = 2; // the window attribute "background pixel"

template <class F> F symbol(void* library, const char* name) {
    return reinterpret_cast<F>(dlsym(library, name));
}

} // namespace

bool fillNatively(QWidget& window, const QColor& colour) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    // The X platform has loaded libxcb already; the program does not link it on its own.
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!xcb) return false;
    const auto change = symbol<ChangeAttributes>(xcb, "xcb_change_window_attributes");
    const auto clear = symbol<ClearArea>(xcb, "xcb_clear_area");
    const auto flush = symbol<Flush>(xcb, "xcb_flush");
    const bool usable = change && clear && flush;
    if (usable) {
        const auto id = static_cast<std::uint32_t>(window.winId());
        // A true-colour visual takes the pixel as 0xRRGGBB.
        const std::uint32_t pixel = colour.rgb() & 0xFFFFFFu;
        change(connection, id, BackPixel, &pixel);
        clear(connection, 0, id, 0, 0, 0, 0);
        flush(connection);
    }
    dlclose(xcb);
    return usable;
}

} // namespace av
