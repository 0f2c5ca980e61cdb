#include "core/shell/help_commands.h"

#include "core/message_catalogue.h"

namespace tw {

void HelpCommands::startVolumeControl()
{
    // A mixer that is installed but fails to start does not hide the next one:
    // the user only needs one volume control, whichever it is.
    for (const auto& call : help_.volumeControls()) {
        if (help_.programExists(call.program) && help_.startDetached(call.program, call.arguments))
            return;
    }
    messages_.tell(msg::kCannotStart);
}

} // namespace tw
