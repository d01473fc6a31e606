#include "core/ProcessIdentity.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>

namespace venkora {

std::optional<ProcessIdentity> ProcessIdentity::Of(pid_t pid) {
    if (pid <= 0) return std::nullopt;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        // Without /proc: the id alone, as far as the system tells whether it is taken.
        if (kill(pid, 0) == 0 || errno == EPERM) return ProcessIdentity{pid, 0};
        return std::nullopt;
    }
    // The name in parentheses may hold blanks and parentheses: the fields follow the last ")".
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    // The fields from the third on: state, ppid, ... starttime is the 22nd of all. A process that
    // ended but was not yet reaped (a zombie) runs no more.
    if (!(fields >> field) || field == "Z" || field == "X") return std::nullopt;
    for (int number = 4; number < 22 && fields >> field; ++number) {
    }
    std::uint64_t startTime = 0;
    if (!(fields >> startTime)) return std::nullopt;
    return ProcessIdentity{pid, startTime};
}

ProcessIdentity ProcessIdentity::Current() { return Of(getpid()).value_or(ProcessIdentity{getpid(), 0}); }

bool ProcessIdentity::StillRuns() const {
    const std::optional<ProcessIdentity> now = Of(pid);
    return now && (now->startTime == startTime || now->startTime == 0 || startTime == 0);
}

}  // namespace venkora
