#pragma once
// Ctrl+C (SIGINT) as an event of the Qt event loop. A signal handler may do
// almost nothing safely, so it only writes a byte into a pipe; the loop sees
// the pipe become readable and runs the reaction there, between two waits of
// the player, as it runs a click on stop in the window.

#include <QSocketNotifier>
#include <functional>
#include <utility>
#include <memory>
#include <signal.h>

namespace tw::cli {

class InterruptWatch {
public:
    //! Watches for Ctrl+C until destroyed. The first one runs `onInterrupt`; from then
    //! on Ctrl+C has its ordinary effect again, so a second one ends the program at once.
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    void restoreHandler();

    std::function<void()> onInterrupt_;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_ {};
    bool handling_ = false;
    bool interrupted_ = false;
};

} // namespace tw::cli
