#include "frame/LockKeyState.h"

#include <QGuiApplication>

#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
// The XKB header names a structure member "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

namespace venkora {

std::optional<LockKeyState> LockKeyState::Read() {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    static const bool extensionReady = [connection] {
        xcb_xkb_use_extension_reply_t* reply = xcb_xkb_use_extension_reply(
            connection,
            xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
            nullptr);
        const bool supported = reply && reply->supported;
        std::free(reply);
        return supported;
    }();
    if (!extensionReady) return std::nullopt;
    xcb_xkb_get_indicator_state_reply_t* reply = xcb_xkb_get_indicator_state_reply(
        connection, xcb_xkb_get_indicator_state(connection, XCB_XKB_ID_USE_CORE_KBD), nullptr);
    if (!reply) return std::nullopt;
    // The core keyboard's first three indicators are Caps, Num and Scroll Lock.
    const std::uint32_t state = reply->state;
    std::free(reply);
    return LockKeyState{(state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0};
#else
    return std::nullopt;
#endif
}

}  // namespace venkora
