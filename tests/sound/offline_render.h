#pragma once
// Renders short messages through the synthesizer offline, at the times given,
// as the live MIDI output would play them: the reference the tests compare with.

#include <cstdint>
#include <span>
#include <vector>

namespace tw::test {

struct TimedMessage {
    std::uint32_t message = 0;
    double atMs = 0;
};

//! The sound of `messages` over `lengthMs`, both channels mixed to one, at 48000
//! samples a second, rendered in pieces of `pieceFrames` (any size gives the same sound).
std::vector<float> renderOffline(std::span<const TimedMessage> messages, double lengthMs, int pieceFrames = 512);

} // namespace tw::test
