#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in the terminal) into a call on the
// event loop's thread. The program makes it the main window's ordinary close request, so the
// placement and bar layout are saved and a modified text is offered for saving instead of being
// lost; before the window has shown it ends the run.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace venkora {

class TerminationRequest : public QObject {
    Q_OBJECT

public:
    // `close` is called on the event loop's thread for each signal received.
    explicit TerminationRequest(std::function<void()> close);
    ~TerminationRequest() override;

private:
    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace venkora
