#include "codecs/midi/short_message.h"

namespace tw {

ShortMessage decodeShortMessage(std::uint32_t message)
{
    const int status = message & 0xF0;
    const int channel = message & 0x0F;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    switch (status) {
    case 0x90:
        if (data2 > 0)
            return {ShortMessage::Kind::NoteOn, channel, data1, data2};
        return {ShortMessage::Kind::NoteOff, channel, data1, 0};
    case 0x80:
        return {ShortMessage::Kind::NoteOff, channel, data1, 0};
    case 0xC0:
        return {ShortMessage::Kind::ProgramChange, channel, data1, 0};
    default:
        return {ShortMessage::Kind::Other, channel, data1, data2};
    }
}

} // namespace tw
