// The note messages of the keyboard and the program change.

#include "codecs/midi/midi_messages.h"
#include "support/editor_fixture.h"

namespace tw::test {
namespace {

//! A short message from its three bytes, lowest first.
constexpr std::uint32_t bytes(std::uint32_t status, std::uint32_t data1, std::uint32_t data2)
{
    return status | data1 << 8 | data2 << 16;
}

using Messages = std::vector<std::uint32_t>;

struct NoteCase {
    const char* name;
    bool on;
    int key;
    Messages sent;
};

const NoteCase kNoteCases[] = {
    {"OnLowestKey", true, 5, {bytes(0x90, 65, 127)}},
    {"OnMiddleC", true, 12, {bytes(0x90, 72, 127)}},
    {"OnHighestKey", true, 29, {bytes(0x90, 89, 127)}},
    {"OffMiddleC", false, 12, {bytes(0x80, 72, 0)}},
    {"OffHighestKey", false, 29, {bytes(0x80, 89, 0)}},
    {"OffRestKey", false, 99, {}},
    // A rest key would leave the data byte's range: it is refused.
    {"OnRestKey", true, 99, {}},
    {"OnBelowTheKeyboard", true, 4, {}},
};

class NoteMessageTest : public EditorFixture, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(NoteMessageTest, KeysBecomeNotesKeyPlus60OnChannel1)
{
    GetParam().on ? editor.NoteOn(GetParam().key) : editor.NoteOff(GetParam().key);
    EXPECT_EQ(midi.messages, GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(, NoteMessageTest, ::testing::ValuesIn(kNoteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, AProgramChangeCarriesTheProgramNumber)
{
    EXPECT_EQ(startUpMidi, Messages{bytes(0xC0, 67, 0)});
    editor.SendProgramChange(19);
    EXPECT_EQ(midi.messages, Messages{bytes(0xC0, 19, 0)});
}

TEST_F(SilentEditorFixture, WithoutMidiOnlyTheProgramChangeIsPassedOn)
{
    editor.NoteOn(12);
    editor.NoteOff(12);
    editor.SendProgramChange(0);
    EXPECT_EQ(midi.messages, Messages{bytes(0xC0, 0, 0)});
}

} // namespace
} // namespace tw::test
