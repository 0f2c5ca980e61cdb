#include "core/command_states.h"

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

//! In the order of the columns of the settings tables.
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

CommandStates::CommandStates(ControlsPort& controls, std::function<bool()> playable)
    : controls_(controls), playable_(std::move(playable))
{
}

void CommandStates::set(const CommandSettings& settings)
{
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        Setting setting = settings[i];
        if (i == kPlay && !playable_())
            setting = Off;
        if (setting == Keep)
            continue;
        const CommandControls& command = kCommands[i];
        const bool enabled = setting != Off;
        if (!command.image) {
            controls_.setTempoEnabled(enabled);
            continue;
        }
        controls_.setToolEnabled(*command.image, enabled);
        if (command.menu)
            controls_.setMenuEntryEnabled(*command.menu, enabled);
        controls_.showToolPicture(*command.image, command.store, enabled ? Look::Normal : Look::Disabled);
    }
}

} // namespace tw
