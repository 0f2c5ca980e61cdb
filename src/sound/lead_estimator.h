#pragma once
// How far the synthesizer's rendered sound runs ahead of the monotonic clock
// (the lead), measured by the audio thread after each period it renders.
//
// In steady playing the audio driver's write waits until the sound server has
// room for the next period, so the periods come one period apart and each
// measurement lies at or a little below the true lead: a late wake-up only
// lowers one. The highest of the last few such measurements is the estimate.
// Periods that come out of step say nothing of the true lead: soon after the
// one before, the driver is refilling the server's buffer (higher); long
// after it, the thread woke late (lower) or the server ran dry, and after
// running dry all sound is heard later, every later measurement is lower, and
// the measurements from before are forgotten at once.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>

namespace tw {

class LeadEstimator {
public:
    //! `periodMs`: the length of sound the driver renders at a time.
    explicit LeadEstimator(double periodMs) : periodMs_(periodMs) { forget(); }

    //! A period was rendered: `renderedMs` of sound in all, at `nowMs` of the clock.
    void periodRendered(double renderedMs, double nowMs);

    //! The lead in milliseconds; none before the first period in step.
    std::optional<double> lead() const { return lead_; }
    //! How often the server seemed to run dry.
    int dropouts() const { return dropouts_; }

private:
    //! The measurements the estimate is the highest of: about 85 ms of periods.
    static constexpr std::size_t kWindow = 8;
    void forget() { recent_.fill(-std::numeric_limits<double>::infinity()); }

    double periodMs_;
    std::optional<double> previousMs_;
    bool inStep_ = false;
    std::array<double, kWindow> recent_{};
    std::size_t next_ = 0;
    std::optional<double> lead_;
    int dropouts_ = 0;
};

} // namespace tw
