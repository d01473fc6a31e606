#include "app/TerminationRequest.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace venkora {

namespace {

constexpr std::initializer_list<int> kSignals = {SIGTERM, SIGINT, SIGHUP};

int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_deferred = 0;

void OnSignal(int) {
    if (!g_deferred) _exit(1);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[0], &byte, 1);
}

}  // namespace

void TerminationRequest::Install() {
    if (g_pipe[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

void TerminationRequest::DeferToEventLoop() { g_deferred = 1; }

TerminationRequest::TerminationRequest(std::function<void()> close) : close_(std::move(close)) {
    Install();
    if (g_pipe[1] < 0) return;
    notifier_ = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (read(g_pipe[1], &byte, 1) == 1) close_();
    });
}

TerminationRequest::~TerminationRequest() {
    for (int signal : kSignals) std::signal(signal, SIG_DFL);
    g_deferred = 0;
    if (g_pipe[0] >= 0) {
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
        g_pipe[0] = g_pipe[1] = -1;
    }
}

}  // namespace venkora
