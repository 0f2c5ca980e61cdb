#include "playback/midi_messages.h"

#include "shell/editor.h"

namespace tw {
namespace {

constexpr int kNoteOnStatus = 0x90;
constexpr int kNoteOffStatus = 0x80;
constexpr int kProgramChangeStatus = 0xC0;

} // namespace

std::uint32_t noteOnMessage(int key, std::uint32_t noteOnBase)
{
    return std::uint32_t((key + kKeyToNote) * 256 + kNoteOnStatus) + noteOnBase;
}

std::uint32_t noteOffMessage(int key)
{
    return std::uint32_t((key + kKeyToNote) * 256 + kNoteOffStatus);
}

std::uint32_t programChangeMessage(int program)
{
    return std::uint32_t(program * 256 + kProgramChangeStatus);
}

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
