#pragma once
// The three short messages the editor sends on MIDI channel 1, as 32-bit
// numbers with the status in the lowest byte.

#include "codecs/score/tables.h"

#include <cstdint>

namespace tw {

//! The keyboard's keys sound as MIDI notes key + 60: key 5 (the low F) is note 65.
inline constexpr int kKeyToNote = 60;

//! Velocity 127 in the third byte of every note-on message the editor sends; MIDI files
//! written of a melody carry the same.
inline constexpr std::uint32_t kNoteOnBase = 127U << 16;

//! Whether a key is one of the keyboard's 5 to 29; the rest key 99 and anything
//! else would put a number above 127 into a data byte.
constexpr bool isSoundingKey(int key) { return key >= kFirstKey && key <= kLastKey; }

//! Note on with the velocity that `noteOnBase` puts into the third byte.
std::uint32_t noteOnMessage(int key, std::uint32_t noteOnBase);
//! Note off with velocity 0.
std::uint32_t noteOffMessage(int key);
std::uint32_t programChangeMessage(int program);

} // namespace tw
