#include "playback/fluidsynth_midi_out.h"

#include "playback/bounded_call.h"
#include "playback/fluid_log.h"
#include "playback/sequenced_synth.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <expected>
#include <limits>

namespace tw {
namespace {

using Clock = std::chrono::steady_clock;

// 512 frames a period: the default 64 underruns on ordinary machines. The
// sequencer makes the period size irrelevant to the rhythm.
constexpr int kPeriodFrames = 512;
constexpr int kPeriods = 2;

// Room between the newest sound rendered and the time a message is scheduled
// at, for the sequencer's whole milliseconds and a late wake-up of the audio thread.
constexpr double kMarginMs = 2.0;

// How many periods the lead is taken over: about one second.
constexpr std::size_t kLeadWindow = 96;

// The first periods fill the sound server's buffer before it starts playing, so
// their leads say nothing of when the sound is heard: about 100 ms of sound.
constexpr std::size_t kFillPeriods = 10;

double msSince(Clock::time_point origin, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - origin).count();
}

} // namespace

// The synthesizer, its driver, and how far the rendered sound runs ahead of
// the monotonic clock (the lead), measured by the audio thread after each
// period. A late wake-up of the audio thread lowers one measurement and the
// periods after it catch up; an underrun lowers every measurement after it,
// because the sound after the gap is heard that much later. The highest lead
// of about the last second ignores the first and follows the second, so a
// stall of the machine costs one shift of the rhythm, not a latency that grows.
struct FluidSynthMidiOut::Live {
    std::unique_ptr<SequencedSynth> synth;
    Clock::time_point origin = Clock::now();
    std::atomic<double> leadMs{std::nan("")};
    // Audio thread only.
    double renderedMs = 0;
    std::array<double, kLeadWindow> recentLeads = [] {
        std::array<double, kLeadWindow> leads;
        leads.fill(-std::numeric_limits<double>::infinity());
        return leads;
    }();
    std::size_t periods = 0;
    FluidAudioDriver driver; // last: stops the audio thread before the rest goes

    static int render(void* data, int frames, int, float*[], int outputs, float* out[])
    {
        auto* live = static_cast<Live*>(data);
        if (outputs < 2)
            return FLUID_FAILED;
        live->synth->render({out[0], std::size_t(frames)}, {out[1], std::size_t(frames)});
        live->renderedMs += frames * 1000.0 / SequencedSynth::kSampleRate;
        if (++live->periods <= kFillPeriods)
            return FLUID_OK;
        live->recentLeads[live->periods % kLeadWindow] = live->renderedMs - msSince(live->origin, Clock::now());
        live->leadMs.store(*std::ranges::max_element(live->recentLeads), std::memory_order_relaxed);
        return FLUID_OK;
    }
};

namespace {

std::expected<std::unique_ptr<FluidSynthMidiOut::Live>, QString>
startDriver(std::unique_ptr<SequencedSynth> synth, const QStringList& drivers)
{
    auto live = std::make_unique<FluidSynthMidiOut::Live>();
    live->synth = std::move(synth);
    fluid_settings_t* settings = live->synth->settings();
    fluid_settings_setint(settings, "audio.period-size", kPeriodFrames);
    fluid_settings_setint(settings, "audio.periods", kPeriods);

    const std::uint64_t logMark = fluidlog::mark();
    for (const QString& driver : drivers) {
        fluid_settings_setstr(settings, "audio.driver", driver.toUtf8().constData());
        live->driver.reset(new_fluid_audio_driver2(settings, &FluidSynthMidiOut::Live::render, live.get()));
        if (live->driver)
            return live;
    }
    QString reason = QStringLiteral("no audio output could be started (tried %1)")
                         .arg(drivers.join(QStringLiteral(", ")));
    const QStringList logged = fluidlog::errorsSince(logMark);
    if (!logged.isEmpty())
        reason += QStringLiteral(": ") + logged.join(QStringLiteral("; "));
    return std::unexpected(reason);
}

} // namespace

FluidSynthMidiOut::Options FluidSynthMidiOut::defaultOptions()
{
    Options options;
    options.soundfonts = defaultSoundfonts();
    return options;
}

FluidSynthMidiOut::FluidSynthMidiOut()
    : FluidSynthMidiOut(defaultOptions())
{
}

FluidSynthMidiOut::FluidSynthMidiOut(Options options)
    : m_options(std::move(options))
{
}

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    close();
}

bool FluidSynthMidiOut::open()
{
    close();
    m_lastError.clear();
    const auto loadStart = Clock::now();
    auto synth = SequencedSynth::create(m_options.soundfonts);
    m_soundfontLoadTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - loadStart);
    if (!synth) {
        m_lastError = synth.error();
        return false;
    }
    // Only the sound server can keep the driver from starting in time.
    auto started = callWithin(m_options.serverLimit,
                              [synth = std::move(*synth), drivers = m_options.drivers]() mutable {
                                  return startDriver(std::move(synth), drivers);
                              });
    if (!started) {
        m_lastError = QStringLiteral("the sound server did not answer within %1 ms")
                          .arg(m_options.serverLimit.count());
        return false;
    }
    if (!*started) {
        m_lastError = started->error();
        return false;
    }
    m_live = std::move(**started);
    return true;
}

void FluidSynthMidiOut::shortMessage(std::uint32_t message)
{
    if (!m_live)
        return;
    const double sentMs = msSince(m_live->origin, Clock::now());
    const double leadMs = m_live->leadMs.load(std::memory_order_relaxed);
    // Before the sound server plays there is no rhythm to keep yet; a time the
    // synthesizer has passed already plays at once.
    const double atMs = std::isnan(leadMs) ? 0.0 : std::max(0.0, sentMs + leadMs + kMarginMs);
    m_live->synth->scheduleAt(message, static_cast<std::uint32_t>(std::ceil(atMs)));
}

void FluidSynthMidiOut::close()
{
    if (!m_live)
        return;
    // Stopping the driver waits for the audio thread, which a frozen server
    // can hold in a write forever.
    callWithin(m_options.serverLimit, [live = std::move(m_live)]() mutable {
        live.reset();
        return true;
    });
}

QString FluidSynthMidiOut::soundfont() const
{
    return m_live ? m_live->synth->soundfont() : QString();
}

} // namespace tw
