#pragma once
// A MIDI output that never opens: the editor then runs without sound, as on a
// machine without a sound device.

#include "core/ports.h"

namespace tw::gui {

class SilentMidiOut final : public MidiOutPort {
public:
    bool open() override { return false; }
    void shortMessage(std::uint32_t) override {}
    void close() override {}
};

} // namespace tw::gui
