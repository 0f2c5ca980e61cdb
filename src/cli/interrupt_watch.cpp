#include "cli/interrupt_watch.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tw::cli {
namespace {

// One watch at a time; the handler reaches the pipe only through these.
int pipeEnds[2] = {-1, -1};

void onSigint(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt) : onInterrupt_(std::move(onInterrupt))
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char byte = 0;
        while (::read(pipeEnds[0], &byte, 1) > 0) {
        }
        if (interrupted_)
            return;
        interrupted_ = true;
        restoreHandler();
        onInterrupt_();
    });
    struct sigaction action {};
    action.sa_handler = onSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    handling_ = ::sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptWatch::~InterruptWatch()
{
    restoreHandler();
    notifier_.reset();
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void InterruptWatch::restoreHandler()
{
    if (std::exchange(handling_, false))
        ::sigaction(SIGINT, &previous_, nullptr);
}

} // namespace tw::cli
