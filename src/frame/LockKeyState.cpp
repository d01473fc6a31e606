#include "frame/LockKeyState.h"

#include <QGuiApplication>

#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace venkora {

std::optional<LockKeyState> LockKeyState::Read() {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    xcb_get_keyboard_control_reply_t* reply =
        xcb_get_keyboard_control_reply(connection, xcb_get_keyboard_control(connection), nullptr);
    if (!reply) return std::nullopt;
    // The keyboard's first three lights are Caps, Num and Scroll Lock.
    const std::uint32_t lights = reply->led_mask;
    std::free(reply);
    return LockKeyState{(lights & 1u) != 0, (lights & 2u) != 0, (lights & 4u) != 0};
#else
    return std::nullopt;
#endif
}

}  // namespace venkora
