#include "core/editor.h"

#include <optional>

namespace tw {
namespace {

//! The controls one command drives. Tempo has neither image nor menu entry:
//! it locks the tempo list.
struct CommandControls {
    std::optional<ToolImage> image;
    std::optional<MenuEntry> menu;
    PictureStore store;
};

//! In the order of the arguments of SetCommandStates.
constexpr std::array<CommandControls, 12> kCommands{{
    {ToolImage::Insert, MenuEntry::Insert, PictureStore::Insert},
    {ToolImage::Del, MenuEntry::Del, PictureStore::Del},
    {ToolImage::Copy, MenuEntry::Copy, PictureStore::Copy},
    {ToolImage::Paste, MenuEntry::Paste, PictureStore::Paste},
    {ToolImage::Play, std::nullopt, PictureStore::Play},
    {std::nullopt, std::nullopt, PictureStore::Play},
    {ToolImage::Sent, MenuEntry::Sent, PictureStore::Sent},
    {ToolImage::Open, MenuEntry::Open, PictureStore::Open},
    {ToolImage::Save, MenuEntry::Save, PictureStore::Save},
    {ToolImage::End, MenuEntry::End, PictureStore::End},
    {ToolImage::New, MenuEntry::New, PictureStore::New},
    {ToolImage::Undo, MenuEntry::Undo, PictureStore::Undo},
}};

constexpr std::size_t kPlay = 4;

} // namespace

void Editor::SetCommandStates(Setting insert, Setting del, Setting copy, Setting paste,
                              Setting play, Setting tempo, Setting send, Setting open,
                              Setting save, Setting exit, Setting newDoc, Setting undo)
{
    SetCommandStates(
        CommandSettings{insert, del, copy, paste, play, tempo, send, open, save, exit, newDoc, undo});
}

void Editor::SetCommandStates(const CommandSettings& settings)
{
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        Setting setting = settings[i];
        // Without a MIDI output there is nothing to play on, whatever the caller asks.
        if (i == kPlay && !MidiReady)
            setting = Off;
        if (setting == Keep)
            continue;
        const CommandControls& command = kCommands[i];
        const bool enabled = setting != Off;
        if (!command.image) {
            ports_.controls.setTempoEnabled(enabled);
            continue;
        }
        ports_.controls.setToolEnabled(*command.image, enabled);
        if (command.menu)
            ports_.controls.setMenuEntryEnabled(*command.menu, enabled);
        ports_.controls.showToolPicture(*command.image, command.store,
                                        enabled ? Look::Normal : Look::Disabled);
    }
}

} // namespace tw
