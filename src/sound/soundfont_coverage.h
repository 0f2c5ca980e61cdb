#pragma once
// Which notes of the keyboard a soundfont's preset can play. A General MIDI
// font may stop its instrument's zones below the keyboard's top (TimGM6mb's
// baritone sax, the start-up tone, ends at note 79), and a note-on there
// starts no voice: the key is silent. The synthesizer asks each font once, at
// start, and fills such keys from another font.

#include "codecs/midi/midi_messages.h"

#include <fluidsynth.h>

#include <array>
#include <bitset>

namespace tw {

//! The notes the editor's keyboard sends: keys 5 to 29 as notes 65 to 89.
inline constexpr int kLowestNote = kFirstKey + kKeyToNote;
inline constexpr int kHighestNote = kLastKey + kKeyToNote;

using NoteSet = std::bitset<128>;

//! Every note of the keyboard.
NoteSet keyboardNotes();

//! The notes of the keyboard for which program `program` (bank 0) of font
//! `fontId` starts a voice, tried on `channel` of `synth` with every voice
//! stopped again after. Only while the synthesizer is not rendering for anyone
//! else: the probe renders a block of silence to free the voices.
NoteSet soundingNotes(fluid_synth_t* synth, int channel, int fontId, int program);

} // namespace tw
