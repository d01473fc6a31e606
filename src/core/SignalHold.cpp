#include "core/SignalHold.h"

#include <initializer_list>

namespace venkora {

SignalHold::SignalHold() {
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&interrupts, signal);
    sigprocmask(SIG_BLOCK, &interrupts, &savedMask_);
}

SignalHold::~SignalHold() { sigprocmask(SIG_SETMASK, &savedMask_, nullptr); }

}  // namespace venkora
