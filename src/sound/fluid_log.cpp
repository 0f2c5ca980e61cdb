#include "sound/fluid_log.h"

#include <fluidsynth.h>

#include <QLoggingCategory>
#include <deque>
#include <mutex>
#include <utility>

Q_LOGGING_CATEGORY(lcFluid, "tunewright.sound.fluidsynth")

namespace tw::fluidlog {
namespace {

constexpr std::size_t kKeptErrors = 16;

struct Log {
    std::mutex mutex;
    std::uint64_t next = 0;
    std::deque<std::pair<std::uint64_t, QString>> errors;
};

// Never destroyed: the audio thread, or a start abandoned on a frozen sound
// server, may still log while the process ends.
Log& log()
{
    static Log* const instance = new Log;
    return *instance;
}

// Called on whichever thread FluidSynth is working in, the audio thread included.
void receive(int level, const char* message, void*)
{
    const QString text = QString::fromLocal8Bit(message).trimmed();
    if (level == FLUID_WARN) {
        qCInfo(lcFluid).noquote() << text;
        return;
    }
    qCWarning(lcFluid).noquote() << text;
    Log& l = log();
    std::lock_guard lock(l.mutex);
    l.errors.emplace_back(l.next++, text);
    if (l.errors.size() > kKeptErrors)
        l.errors.pop_front();
}

void route()
{
    fluid_set_log_function(FLUID_PANIC, receive, nullptr);
    fluid_set_log_function(FLUID_ERR, receive, nullptr);
    fluid_set_log_function(FLUID_WARN, receive, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}

} // namespace

std::uint64_t mark()
{
    static std::once_flag routed;
    std::call_once(routed, route);
    Log& l = log();
    std::lock_guard lock(l.mutex);
    return l.next;
}

QStringList errorsSince(std::uint64_t mark)
{
    Log& l = log();
    std::lock_guard lock(l.mutex);
    QStringList texts;
    for (const auto& [serial, text] : l.errors)
        if (serial >= mark)
            texts << text;
    return texts;
}

} // namespace tw::fluidlog
