#include "core/playback/note_output.h"

#include "codecs/midi/midi_messages.h"
#include "codecs/score/tables.h"

#include <algorithm>

namespace tw {
namespace {

//! The tone entries, beep first; an entry's position is its ToneTable index.
constexpr std::array<MenuEntry, 6> kToneEntries{
    MenuEntry::ToneBeep, MenuEntry::Tone1, MenuEntry::Tone2,
    MenuEntry::Tone3, MenuEntry::Tone4, MenuEntry::Tone5};

} // namespace

bool NoteOutput::open()
{
    if (!midi_.open())
        return false;
    midiReady_ = true;
    std::ranges::copy(TonePrograms, toneTable_.begin());
    sendProgramChange(toneTable_[0]);
    noteOnBase_ = kNoteOnBase;
    return true;
}

void NoteOutput::close()
{
    if (!midiReady_)
        return;
    midi_.close();
    midiReady_ = false;
}

void NoteOutput::noteOn(int key)
{
    if (midiReady_ && isSoundingKey(key))
        midi_.shortMessage(noteOnMessage(key, noteOnBase_));
}

void NoteOutput::noteOff(int key)
{
    if (midiReady_ && isSoundingKey(key))
        midi_.shortMessage(noteOffMessage(key));
}

void NoteOutput::sendProgramChange(int program)
{
    midi_.shortMessage(programChangeMessage(program));
}

void NoteOutput::chooseTone(int index)
{
    // The menu has entries 0 to 5 only; ToneTable's spare slots are no tones.
    if (index < 0 || index >= int(kToneEntries.size()))
        return;
    tone_ = index;
    for (std::size_t i = 0; i < kToneEntries.size(); ++i)
        controls_.setMenuEntryChecked(kToneEntries[i], int(i) == index);
    // Sent whether or not the output is open: a closed output drops it, the tick moves anyway.
    sendProgramChange(toneTable_[std::size_t(index)]);
}

} // namespace tw
