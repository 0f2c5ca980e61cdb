#include "core/editor.h"

namespace tw {
namespace {

//! The tone entries, beep first; an entry's position is its ToneTable index.
constexpr std::array<MenuEntry, 6> kToneEntries{
    MenuEntry::ToneBeep, MenuEntry::Tone1, MenuEntry::Tone2,
    MenuEntry::Tone3, MenuEntry::Tone4, MenuEntry::Tone5};

//! Leaves the tick on the one entry of the chosen tone.
void tickTone(ControlsPort& controls, int index)
{
    for (std::size_t i = 0; i < kToneEntries.size(); ++i)
        controls.setMenuEntryChecked(kToneEntries[i], int(i) == index);
}

} // namespace

void Editor::mnuTone_Click(int index)
{
    // The menu has entries 1 to 5 only; ToneTable's spare slots are no tones.
    if (index < 1 || index >= int(kToneEntries.size()))
        return;
    tickTone(ports_.controls, index);
    // Sent whether or not the output is open: a closed output drops it, the tick moves anyway.
    SendProgramChange(ToneTable[std::size_t(index)]);
}

void Editor::mnuToneBeep_Click()
{
    tickTone(ports_.controls, 0);
    SendProgramChange(ToneTable[0]);
}

} // namespace tw
