#include "core/shell/lifecycle.h"

#include "core/message_catalogue.h"

namespace tw {

Lifecycle::Lifecycle(Document& document, const Activity& activity, NoteEntry& entry, ScoreEdits& edits,
                     NoteOutput& voice, const Ports& ports)
    : document_(document), activity_(activity), entry_(entry), edits_(edits), voice_(voice), ports_(ports)
{
}

void Lifecycle::load()
{
    ports_.dialogs.makeProgramFolderCurrent();

    // Without an output the editor runs on silent: playing stays unavailable and the keys
    // make no sound.
    if (!voice_.open())
        ports_.messages.tell(msg::kSoundDeviceAtStart, MessageIcon::Error);

    entry_.startOver();
    document_ = Document{};
    ports_.controls.setTitleText(document_.Title);
    edits_.resetDocument();
}

Closing Lifecycle::unload()
{
    // Playing and sending run nested event loops; the window must outlive them.
    if (!activity_.idle())
        return Closing::Refused;
    if (!document_.Saved && document_.EndRow > 1
        && ports_.messages.ask(msg::kExitQuestion) == MessageAnswer::Cancel)
        return Closing::Refused;
    voice_.close();
    ports_.controls.endApplication();
    return Closing::Proceed;
}

void Lifecycle::newDocument()
{
    if (!document_.Saved && document_.EndRow > 1
        && ports_.messages.ask(msg::kDiscardQuestion) == MessageAnswer::Cancel)
        return;
    edits_.resetDocument();
    entry_.clearKeySelection();
    entry_.clearLengthSelection();
    document_.Saved = true;
    document_.Title = kUntitled;
    document_.CurrentRow = 1;
    document_.EndRow = 1;
}

} // namespace tw
