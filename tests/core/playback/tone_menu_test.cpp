// The tone menu: one program change per choice and exactly one ticked entry.

#include "support/editor_fixture.h"

#include <string>

namespace tw::test {
namespace {

constexpr std::uint32_t programChange(int program) { return 0xC0u | std::uint32_t(program) << 8; }

struct ToneEntry {
    MenuEntry entry;
    const char* name;
};

const ToneEntry kToneEntries[] = {{MenuEntry::ToneBeep, "Beep"}, {MenuEntry::Tone1, "MusicBox"},
                                  {MenuEntry::Tone2, "Piano"},   {MenuEntry::Tone3, "Guitar"},
                                  {MenuEntry::Tone4, "Trumpet"}, {MenuEntry::Tone5, "Organ"}};

//! The names of the ticked entries of the tone menu, beep first.
std::vector<std::string> ticked(const FakeControls& controls)
{
    std::vector<std::string> out;
    for (const ToneEntry& tone : kToneEntries)
        if (controls.isMenuEntryChecked(tone.entry))
            out.push_back(tone.name);
    return out;
}

//! A choice in the menu: 0 is "ビープ", 1 to 5 the entries below the separator.
void choose(Editor& editor, int entry)
{
    entry == 0 ? editor.mnuToneBeep_Click() : editor.mnuTone_Click(entry);
}

struct ToneCase {
    const char* name;
    std::vector<int> choices;
    std::vector<std::uint32_t> sent;
    std::string tickedEntry;
    friend void PrintTo(const ToneCase& c, std::ostream* os) { *os << c.name; }
};

const ToneCase kToneCases[] = {
    {"Piano", {2}, {programChange(0)}, "Piano"},
    {"MusicBox", {1}, {programChange(12)}, "MusicBox"},
    {"Guitar", {3}, {programChange(36)}, "Guitar"},
    {"Trumpet", {4}, {programChange(56)}, "Trumpet"},
    {"BeepAfterOrgan", {5, 0}, {programChange(19), programChange(67)}, "Beep"},
    {"TheTickedEntryAgain", {3, 3}, {programChange(36), programChange(36)}, "Guitar"},
};

class ToneMenuTest : public EditorFixture, public ::testing::WithParamInterface<ToneCase> {};

TEST_P(ToneMenuTest, SendsTheProgramAndTicksOnlyTheChosenEntry)
{
    for (int choice : GetParam().choices)
        choose(editor, choice);
    EXPECT_EQ(midi.messages, GetParam().sent);
    EXPECT_EQ(ticked(controls), std::vector<std::string>{GetParam().tickedEntry});
}

INSTANTIATE_TEST_SUITE_P(, ToneMenuTest, ::testing::ValuesIn(kToneCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Without an output the tone table stays empty, and the change is still handed on.
TEST_F(SilentEditorFixture, WithoutMidiTheTickStillMoves)
{
    editor.mnuTone_Click(5);
    EXPECT_EQ(midi.messages, std::vector<std::uint32_t>{programChange(0)});
    EXPECT_EQ(ticked(controls), std::vector<std::string>{"Organ"});
}

} // namespace
} // namespace tw::test
