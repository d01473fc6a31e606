#pragma once
// Holds back SIGINT, SIGTERM, SIGHUP and SIGQUIT while it lives, so an interrupt cannot stop a
// file's replacement half way (leaving the copy of its old contents behind, or a file written
// in place half way); they arrive when the object is gone.

#include <signal.h>

namespace venkora {

class SignalHold {
public:
    SignalHold();
    ~SignalHold();
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;

private:
    sigset_t savedMask_{};
};

}  // namespace venkora
