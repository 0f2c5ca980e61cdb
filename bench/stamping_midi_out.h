#pragma once
// A MIDI output that notes the monotonic time of every message it is given and
// then hands it on (to nothing, or to a real output), so the rhythm the editor
// sends can be measured.

#include "core/ports.h"
#include "statistics.h"

#include <memory>
#include <utility>
#include <vector>

namespace tw::bench {

struct Stamp {
    SteadyClock::time_point at;
    std::uint32_t message;
};

class StampingMidiOut final : public MidiOutPort {
public:
    //! Without an output behind it, it opens and takes every message.
    explicit StampingMidiOut(std::unique_ptr<MidiOutPort> output = nullptr) : output_(std::move(output)) {}

    bool open() override { return !output_ || output_->open(); }
    void shortMessage(std::uint32_t message) override
    {
        stamps_.push_back({SteadyClock::now(), message});
        if (output_)
            output_->shortMessage(message);
    }
    void close() override
    {
        if (output_)
            output_->close();
    }

    //! The messages stamped so far; they are forgotten.
    std::vector<Stamp> takeStamps() { return std::exchange(stamps_, {}); }

private:
    std::unique_ptr<MidiOutPort> output_;
    std::vector<Stamp> stamps_;
};

} // namespace tw::bench
