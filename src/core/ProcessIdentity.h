#pragma once
// A running process as it can be recognised later: its id and the moment it started (in clock
// ticks after boot, from /proc), so that an id taken over by a new process after the old one
// ended is not mistaken for it.

#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace venkora {

struct ProcessIdentity {
    pid_t pid = 0;
    std::uint64_t startTime = 0;

    bool operator==(const ProcessIdentity&) const = default;

    static ProcessIdentity Current();
    // The identity of the process `pid` now; nullopt when there is none.
    static std::optional<ProcessIdentity> Of(pid_t pid);
    // Whether this very process still runs.
    bool StillRuns() const;
};

}  // namespace venkora
