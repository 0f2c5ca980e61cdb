#include "codecs/midi/midi_messages.h"

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

} // namespace tw
