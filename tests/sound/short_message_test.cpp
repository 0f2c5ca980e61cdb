// The 32-bit short messages taken apart as the synthesizer acts on them.

#include "codecs/midi/short_message.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tw {

void PrintTo(const ShortMessage& m, std::ostream* os)
{
    static const char* const kinds[] = {"NoteOn", "NoteOff", "ProgramChange", "Other"};
    *os << kinds[int(m.kind)] << " channel " << m.channel << " data " << m.data1 << ", " << m.data2;
}

namespace {

using Kind = ShortMessage::Kind;

struct Case {
    const char* what;
    std::uint32_t message;
    ShortMessage decoded;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.what;
}

const Case kCases[] = {
    // As the editor computes them: (key + 60) * 256 + 144 + 127 * 65536, and so on.
    {"note on of key 5, the lowest", 65 * 256 + 144 + 8323072, {Kind::NoteOn, 0, 65, 127}},
    {"note on of key 29, the highest", 89 * 256 + 144 + 8323072, {Kind::NoteOn, 0, 89, 127}},
    {"note off of key 12", 72 * 256 + 128, {Kind::NoteOff, 0, 72, 0}},
    {"program change 67", 67 * 256 + 192, {Kind::ProgramChange, 0, 67, 0}},
    {"program change 0", 192, {Kind::ProgramChange, 0, 0, 0}},
    // What MIDI says beyond that.
    {"note on with velocity 0 is a note off", 72 * 256 + 144, {Kind::NoteOff, 0, 72, 0}},
    {"channel 2", 72 * 256 + 145 + 8323072, {Kind::NoteOn, 1, 72, 127}},
    {"the unused top byte is ignored", 0xFF000000u + 72 * 256 + 128, {Kind::NoteOff, 0, 72, 0}},
    {"a control change plays nothing", 0x00005BB0, {Kind::Other, 0, 91, 0}},
};

class ShortMessageDecoding : public testing::TestWithParam<Case> {};

TEST_P(ShortMessageDecoding, TakesApartStatusChannelAndData)
{
    EXPECT_EQ(decodeShortMessage(GetParam().message), GetParam().decoded) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Messages, ShortMessageDecoding, testing::ValuesIn(kCases));

} // namespace
} // namespace tw
