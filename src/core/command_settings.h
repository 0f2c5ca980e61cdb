#pragma once
// Which commands each command leaves available: every call of `SetCommandStates` the
// commands make, in one table. Each row gives, for the twelve commands in the fixed order
// Insert, Delete, Copy, Paste, Play, Tempo, Send, Open, Save, Exit, New, Undo, whether the
// command ends enabled (On), disabled (Off) or as it was (Keep).

#include <array>

namespace tw {

//! One value of `SetCommandStates`: disable, enable or leave unchanged.
enum Setting : int { Off = 0, On = 1, Keep = 2 };

using CommandSettings = std::array<Setting, 12>;

namespace after {

//            Insert Delete Copy  Paste Play  Tempo Send  Open  Save  Exit  New   Undo
// Start-up, New, and Open before it reads a file.
inline constexpr CommandSettings Reset{
              On,    Off,   Off,  Off,  Off,  On,   Off,  On,   Off,  On,   On,   Off};

// Note entry and clicks in the score list.
inline constexpr CommandSettings RowPending{
              Off,   On,    Off,  Off,  Off,  On,   Off,  On,   Off,  On,   On,   Off};
inline constexpr CommandSettings NoteAppended{
              On,    Off,   Off,  Off,  On,   On,   On,   On,   On,   On,   On,   Off};
inline constexpr CommandSettings NoteOnRow{
              On,    On,    On,   Off,  On,   On,   On,   On,   On,   On,   On,   Off};
inline constexpr CommandSettings RestAppended{
              On,    Off,   Off,  Off,  On,   Keep, Keep, Keep, On,   Keep, On,   Off};
inline constexpr CommandSettings RestOnRow{
              On,    On,    On,   Off,  On,   Keep, Keep, Keep, On,   Keep, On,   Off};
inline constexpr CommandSettings ClickOnEndLine{
              On,    Off,   Off,  Keep, Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep};
inline constexpr CommandSettings ClickOnRow{
              Keep,  On,    On,   Keep, Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep};
inline constexpr CommandSettings OneRowPending{
              On,    On,    Off,  Off,  Off,  On,   Off,  On,   Off,  On,   On,   Keep};
inline constexpr CommandSettings OneRow{
              On,    Keep,  Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep};
inline constexpr CommandSettings SeveralRows{
              Off,   Keep,  Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep};

// Row edits and undo.
inline constexpr CommandSettings Insert{
              Keep,  Keep,  Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep, Keep, On};
inline constexpr CommandSettings DeleteOfEveryRow{
              On,    Off,   Off,  Keep, Off,  On,   On,   On,   On,   On,   On,   On};
inline constexpr CommandSettings Delete{
              On,    On,    On,   Keep, On,   On,   On,   On,   On,   On,   On,   On};
inline constexpr CommandSettings Copy{
              Keep,  Keep,  Keep, On,   Keep, Keep, Keep, Keep, Keep, Keep, On,   Off};
inline constexpr CommandSettings Paste{
              Off,   On,    On,   On,   On,   On,   On,   On,   On,   On,   On,   On};
inline constexpr CommandSettings Undo{
              On,    Keep,  Keep, Off,  On,   On,   On,   On,   On,   On,   On,   Off};

// A change of the title or the tempo.
inline constexpr CommandSettings TitleOrTempo{
              Keep,  Keep,  Keep, Keep, Keep, Keep, Keep, Keep, On,   Keep, Keep, Keep};

// Files.
inline constexpr CommandSettings Save{
              Keep,  Keep,  Keep, Keep, Keep, Keep, Keep, Keep, Off,  Keep, Keep, Off};
inline constexpr CommandSettings Open{
              On,    On,    On,   Off,  On,   On,   On,   On,   Off,  On,   On,   Off};

// Playback: while a melody plays only the play button (now the stop button) stays as it was.
inline constexpr CommandSettings PlayStart{
              Off,   Off,   Off,  Off,  Keep, Off,  Off,  Off,  Off,  Off,  Off,  Off};

//! The end of playing: Delete and Copy only where it stopped on a row (`onRow`), Save as the
//! document has unsaved changes or not.
inline constexpr CommandSettings PlayEnd(bool onRow, bool unsaved)
{
    const Setting row = onRow ? On : Off;
    return {On, row, row, Off, On, On, On, On, unsaved ? On : Off, On, On, Off};
}

} // namespace after
} // namespace tw
