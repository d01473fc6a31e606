#pragma once
// A program started as a child process (fork and exec, no shell) for whole-program tests: the
// test's environment with some variables set, a working folder of choice, standard streams on
// given descriptors, optionally a limit on file sizes or another user. A wait ends by killing a
// child that runs past its time, so a hanging program fails its test instead of blocking the
// run; a child still running when the object goes is killed.

#include <sys/resource.h>
#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ChildProcess {
public:
    struct Options {
        std::map<std::string, std::string> environment;  // set or replaced in the child
        std::string folder;                              // working folder; empty: the test's
        int in = -1;                                     // descriptors for the standard
        int out = -1;                                    // streams; -1: the test's own
        int err = -1;
        std::optional<rlim_t> fileSizeLimit;  // RLIMIT_FSIZE, with SIGXFSZ at its default
        // The child's user and group, without supplementary groups; only the superuser may
        // give them.
        std::optional<std::pair<uid_t, gid_t>> identity;
    };

    // Starts `program` (a path, or a name looked up in PATH) with `arguments`.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Waits up to `seconds` for the child to end: its wait status; -1 when it did not end in
    // time, and then it is killed.
    int Wait(int seconds);
    // Kills the child (if it still runs) and waits for it.
    void Kill();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};
