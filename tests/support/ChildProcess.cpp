#include "ChildProcess.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const Options& options) {
    // Everything the child needs is made before the fork: between fork and exec it may only
    // call async-signal-safe functions.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        const std::string name(*entry, equals ? static_cast<std::size_t>(equals - *entry) : 0);
        if (!options.environment.contains(name)) variables.emplace_back(*entry);
    }
    for (const auto& [name, value] : options.environment) variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ != 0) return;
    if (options.in >= 0) dup2(options.in, 0);
    if (options.out >= 0) dup2(options.out, 1);
    if (options.err >= 0) dup2(options.err, 2);
    signal(SIGPIPE, SIG_DFL);
    if (options.fileSizeLimit) {
        const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (options.identity &&
        (setgroups(0, nullptr) != 0 || setgid(options.identity->second) != 0 ||
         setuid(options.identity->first) != 0)) {
        _exit(125);
    }
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) _exit(126);
    execvpe(program.c_str(), argv.data(), envp.data());
    _exit(127);
}

ChildProcess::~ChildProcess() { Kill(); }

int ChildProcess::Wait(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid_, &status, WNOHANG);
        if (ended == pid_) {
            reaped_ = true;
            return status;
        }
        if (ended < 0 && errno != EINTR) return -1;
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Kill();
    return -1;
}

void ChildProcess::Kill() {
    if (pid_ <= 0 || reaped_) return;
    kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
}
