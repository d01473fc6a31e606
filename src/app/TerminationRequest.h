#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in the terminal) into the end of the
// run. Until the main window is about to show, the user has nothing to lose: a signal ends the
// run at once with exit code 1 and writes nothing (this covers a print run from the command
// line as a whole). Once the window shows, each signal becomes a call on the event loop's
// thread, which the program makes the main window's ordinary close request, so the placement
// and bar layout are saved and a modified text is offered for saving instead of being lost.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace venkora {

class TerminationRequest : public QObject {
    Q_OBJECT

public:
    // Catches the signals; called first thing in main, before the toolkit starts.
    static void Install();
    // From now on the signals are handed to the event loop instead of ending the run.
    static void DeferToEventLoop();

    // `close` is called on the event loop's thread for each signal received after
    // DeferToEventLoop.
    explicit TerminationRequest(std::function<void()> close);
    ~TerminationRequest() override;

private:
    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace venkora
