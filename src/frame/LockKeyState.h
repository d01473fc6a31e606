#pragma once
// The state of the keyboard's lock keys, read from the X server's keyboard indicators.

#include <optional>

namespace venkora {

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    // The current state, or nullopt where the platform cannot tell (no X11 connection).
    static std::optional<LockKeyState> Read();
};

}  // namespace venkora
