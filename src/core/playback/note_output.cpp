// The editor's three short messages on the MIDI output.

#include "codecs/midi/midi_messages.h"
#include "core/editor.h"

namespace tw {

void Editor::NoteOn(int key)
{
    if (MidiReady && isSoundingKey(key))
        ports_.midi.shortMessage(noteOnMessage(key, NoteOnBase));
}

void Editor::NoteOff(int key)
{
    if (MidiReady && isSoundingKey(key))
        ports_.midi.shortMessage(noteOffMessage(key));
}

void Editor::SendProgramChange(int program)
{
    ports_.midi.shortMessage(programChangeMessage(program));
}

} // namespace tw
