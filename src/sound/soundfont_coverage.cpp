#include "sound/soundfont_coverage.h"

namespace tw {

NoteSet keyboardNotes()
{
    NoteSet notes;
    for (int note = kLowestNote; note <= kHighestNote; ++note)
        notes.set(std::size_t(note));
    return notes;
}

NoteSet soundingNotes(fluid_synth_t* synth, int channel, int fontId, int program)
{
    NoteSet sounding;
    if (fluid_synth_program_select(synth, channel, fontId, 0, program) != FLUID_OK)
        return sounding;
    // All the keys at once and one look at the voices: a key may start several.
    for (int note = kLowestNote; note <= kHighestNote; ++note)
        fluid_synth_noteon(synth, channel, note, 127);
    std::array<fluid_voice_t*, 256> voices{};
    fluid_synth_get_voicelist(synth, voices.data(), int(voices.size()), -1);
    for (fluid_voice_t* voice : voices) {
        if (!voice)
            break;
        if (fluid_voice_get_channel(voice) == channel)
            sounding.set(std::size_t(fluid_voice_get_key(voice)));
    }
    fluid_synth_all_sounds_off(synth, channel);
    // Stopped voices are only given back by the next rendered block.
    std::array<float, 64> left{}, right{};
    float* dry[2] = {left.data(), right.data()};
    fluid_synth_process(synth, int(left.size()), 0, nullptr, 2, dry);
    return sounding;
}

} // namespace tw
