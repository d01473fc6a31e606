#pragma once
// Runs a built program as a ChildProcess with pipes for its three standard streams, feeds it its
// input and collects what it writes. A child that runs longer than the time limit is killed, so
// a hanging program fails its test instead of blocking the whole run.

#include <sys/resource.h>

#include <sys/types.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ProgramRunner {
public:
    struct Result {
        int exitCode = -1;  // 128 + signal number when the child was killed
        std::string out;
        std::string err;
    };

    explicit ProgramRunner(std::string program);

    // Standard output goes to this file instead of a pipe (e.g. /dev/full).
    void SetStdoutFile(std::string path) { stdoutFile_ = std::move(path); }
    // The child gets this limit on file sizes (RLIMIT_FSIZE), with SIGXFSZ at its default.
    void SetFileSizeLimit(rlim_t bytes) { fileSizeLimit_ = bytes; }
    // The child runs as this user and group (the test must be the superuser).
    void SetUser(uid_t user, gid_t group) { identity_ = {user, group}; }
    // The child's environment is the test's own with this variable set to `value`.
    void SetEnvironment(const std::string& name, std::string value) {
        environment_[name] = std::move(value);
    }

    // Called with the child's process id as soon as it runs (e.g. to signal it from another
    // thread while Run waits).
    void SetStartedHandler(std::function<void(pid_t)> handler) { started_ = std::move(handler); }

    Result Run(const std::vector<std::string>& arguments, std::string_view input = {}) const;

private:
    std::string program_;
    std::optional<std::string> stdoutFile_;
    std::optional<rlim_t> fileSizeLimit_;
    std::optional<std::pair<uid_t, gid_t>> identity_;
    std::map<std::string, std::string> environment_;
    std::function<void(pid_t)> started_;
};
