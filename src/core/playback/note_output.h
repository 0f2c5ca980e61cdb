#pragma once
// The MIDI output the keys and the player sound on, and the tone it plays with.

#include "codecs/score/tables.h"
#include "core/ports.h"

#include <array>
#include <cstdint>

namespace tw {

class NoteOutput {
public:
    NoteOutput(MidiOutPort& midi, ControlsPort& controls) : midi_(midi), controls_(controls) {}

    bool MidiReady() const { return midiReady_; }
    std::uint32_t NoteOnBase() const { return noteOnBase_; }
    const std::array<int, 8>& ToneTable() const { return toneTable_; }
    //! The program of the tone ticked in the menu, also while the output is closed.
    int program() const { return TonePrograms[std::size_t(tone_)]; }

    //! Opens the default MIDI device and selects the start-up tone; false when it
    //! cannot be opened, and the editor runs on silent.
    bool open();
    void close();

    //! `NoteOn`: sounds a key of the keyboard (5 to 29); silent while MidiReady is false.
    void noteOn(int key);
    //! `NoteOff`: ends a key's sound; silent while MidiReady is false and for the rest key 99.
    void noteOff(int key);
    //! `SendProgramChange`: selects a program on channel 1. Sent even while MidiReady is
    //! false: a closed output drops it.
    void sendProgramChange(int program);

    //! `mnuTone_Click` (entries 1 to 5) and `mnuToneBeep_Click` (entry 0).
    void chooseTone(int index);

private:
    MidiOutPort& midi_;
    ControlsPort& controls_;
    bool midiReady_ = false;
    std::uint32_t noteOnBase_ = 0;
    std::array<int, 8> toneTable_{};
    int tone_ = 0;   //!< the ticked entry of the tone menu, the start-up tone first
};

} // namespace tw
