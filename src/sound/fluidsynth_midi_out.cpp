#include "sound/fluidsynth_midi_out.h"

#include "sound/bounded_call.h"
#include "sound/fluid_log.h"
#include "sound/lead_estimator.h"
#include "sound/sequenced_synth.h"
#include "tunewright/version.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <expected>
#include <optional>

namespace tw {
namespace {

using Clock = std::chrono::steady_clock;

// 512 frames a period: the default 64 underruns on ordinary machines. The
// schedule makes the period size irrelevant to the rhythm.
constexpr int kPeriodFrames = 512;
constexpr int kPeriods = 2;

// Room between the newest sound rendered and the time a message is scheduled
// at: the half block a message may be taken up early, and a period rendered a
// little further ahead than the estimate.
constexpr double kMarginMs = 2.0;

constexpr double kPeriodMs = 1000.0 * kPeriodFrames / SequencedSynth::kSampleRate;

double msSince(Clock::time_point origin, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - origin).count();
}

} // namespace

// The synthesizer, its driver, and how far the rendered sound runs ahead of
// the monotonic clock, estimated by the audio thread after each period.
struct FluidSynthMidiOut::Live {
    std::unique_ptr<SequencedSynth> synth;
    Clock::time_point origin = Clock::now();
    std::atomic<double> leadMs{std::nan("")};
    std::atomic<int> dropouts{0};
    // Audio thread only.
    double renderedMs = 0;
    LeadEstimator lead{kPeriodMs};
    FluidAudioDriver driver; // last: stops the audio thread before the rest goes

    static int render(void* data, int frames, int, float*[], int outputs, float* out[])
    {
        auto* live = static_cast<Live*>(data);
        if (outputs < 2)
            return FLUID_FAILED;
        live->synth->render({out[0], std::size_t(frames)}, {out[1], std::size_t(frames)});
        live->renderedMs += frames * 1000.0 / SequencedSynth::kSampleRate;
        live->lead.periodRendered(live->renderedMs, msSince(live->origin, Clock::now()));
        if (const std::optional<double> lead = live->lead.lead())
            live->leadMs.store(*lead, std::memory_order_relaxed);
        live->dropouts.store(live->lead.dropouts(), std::memory_order_relaxed);
        return FLUID_OK;
    }
};

namespace {

//! FluidSynth's pulseaudio driver names its client "FluidSynth" and offers no
//! setting for it. The sound server's client library lets PULSE_PROP_OVERRIDE_
//! variables replace what a program names its client (FluidSynth sets its
//! media role the same way), and the mixer shows each stream under its
//! client's name and icon. The stream's own title, "FluidSynth output", stays:
//! only a driver of our own could change it, and FluidSynth's driver is the one
//! the schedule's timing was measured with. The transfer signal's client has
//! these names already, so the variables change nothing for it but the icon.
void nameTheStreamAfterTheApplication()
{
    qputenv("PULSE_PROP_OVERRIDE_application.name", "Tunewright");
    qputenv("PULSE_PROP_OVERRIDE_application.icon_name", kAppId);
}

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
    : options_(std::move(options))
{
}

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    close();
}

bool FluidSynthMidiOut::open()
{
    close();
    lastError_.clear();
    const auto loadStart = Clock::now();
    auto synth = SequencedSynth::create(options_.soundfonts);
    soundfontLoadTime_ = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - loadStart);
    if (!synth) {
        lastError_ = synth.error();
        return false;
    }
    // Set before the driver's thread starts, so no other thread reads the environment then.
    nameTheStreamAfterTheApplication();
    // Only the sound server can keep the driver from starting in time.
    auto started = callWithin(options_.serverLimit,
                              [synth = std::move(*synth), drivers = options_.drivers]() mutable {
                                  return startDriver(std::move(synth), drivers);
                              });
    if (!started) {
        lastError_ = QStringLiteral("the sound server did not answer within %1 ms")
                          .arg(options_.serverLimit.count());
        return false;
    }
    if (!*started) {
        lastError_ = started->error();
        return false;
    }
    live_ = std::move(**started);
    return true;
}

void FluidSynthMidiOut::shortMessage(std::uint32_t message)
{
    if (!live_)
        return;
    const double sentMs = msSince(live_->origin, Clock::now());
    const double leadMs = live_->leadMs.load(std::memory_order_relaxed);
    // Before the sound server plays there is no rhythm to keep yet; a time the
    // synthesizer has passed already plays at once.
    const double atMs = std::isnan(leadMs) ? 0.0 : std::max(0.0, sentMs + leadMs + kMarginMs);
    live_->synth->scheduleAt(message, atMs);
}

void FluidSynthMidiOut::close()
{
    if (!live_)
        return;
    // Stopping the driver waits for the audio thread, which a frozen server
    // can hold in a write forever.
    callWithin(options_.serverLimit, [live = std::move(live_)]() mutable {
        live.reset();
        return true;
    });
}

int FluidSynthMidiOut::dropouts() const
{
    return live_ ? live_->dropouts.load(std::memory_order_relaxed) : 0;
}

QString FluidSynthMidiOut::soundfont() const
{
    return live_ ? live_->synth->soundfont() : QString();
}

} // namespace tw
