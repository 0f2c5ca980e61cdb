#pragma once
// What reaches the ear: the melody played by the editor through the FluidSynth
// MIDI output into a private PulseAudio null sink, recorded from its monitor,
// against the times the messages were sent.

namespace tw::bench {

//! Needs the private sound server running (PULSE_SERVER set).
void benchEar();

} // namespace tw::bench
