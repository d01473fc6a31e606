#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in the terminal) into the main
// window's ordinary close request, so the placement and bar layout are saved and a modified
// text is offered for saving instead of being lost.

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
