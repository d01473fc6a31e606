#include "ProgramRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

#include "ChildProcess.h"

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(60);

// fds[0] is the end to read, fds[1] the end to write.
void MakePipe(int (&fds)[2]) {
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
}

void CloseFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

ProgramRunner::ProgramRunner(std::string program) : program_(std::move(program)) {}

ProgramRunner::Result ProgramRunner::Run(const std::vector<std::string>& arguments,
                                         std::string_view input) const {
    // A child that exits without reading its input must not kill the test with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    int in[2];
    int out[2];
    int err[2];
    MakePipe(in);
    MakePipe(out);
    MakePipe(err);
    int stdoutFile = -1;
    if (stdoutFile_) {
        stdoutFile = open(stdoutFile_->c_str(), O_WRONLY | O_CLOEXEC);
        if (stdoutFile < 0) throw std::runtime_error("cannot open " + *stdoutFile_);
    }
    ChildProcess::Options options;
    options.environment = environment_;
    options.in = in[0];
    options.out = stdoutFile >= 0 ? stdoutFile : out[1];
    options.err = err[1];
    options.fileSizeLimit = fileSizeLimit_;
    options.identity = identity_;
    ChildProcess child(program_, arguments, options);
    if (started_) started_(child.pid());
    CloseFd(in[0]);
    CloseFd(out[1]);
    CloseFd(err[1]);
    CloseFd(stdoutFile);
    if (stdoutFile_) CloseFd(out[0]);
    fcntl(in[1], F_SETFL, O_NONBLOCK);
    if (input.empty()) CloseFd(in[1]);

    Result result;
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    bool timedOut = false;
    while (in[1] >= 0 || out[0] >= 0 || err[0] >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd fds[3] = {{in[1], POLLOUT, 0}, {out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
        if (fds[0].revents != 0) {
            const ssize_t put = write(in[1], input.data(), input.size());
            if (put > 0) input.remove_prefix(static_cast<std::size_t>(put));
            if ((put < 0 && errno != EAGAIN && errno != EINTR) || input.empty()) CloseFd(in[1]);
        }
        for (int i = 1; i < 3; ++i) {
            if (fds[i].revents == 0) continue;
            int& fd = i == 1 ? out[0] : err[0];
            std::string& sink = i == 1 ? result.out : result.err;
            char buffer[65536];
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got > 0) {
                sink.append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                CloseFd(fd);
            }
        }
    }
    CloseFd(in[1]);
    CloseFd(out[0]);
    CloseFd(err[0]);
    const int status = child.Wait(timedOut ? 0 : static_cast<int>(kTimeLimit.count()));
    if (timedOut || status == -1) {
        result.err += "[killed after the time limit]";
        result.exitCode = -1;
    } else if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.exitCode = 128 + WTERMSIG(status);
    }
    return result;
}
