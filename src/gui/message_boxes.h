#pragma once
// The message box port as modal QMessageBox windows.

#include "core/ports.h"

namespace tw::gui {

class MessageBoxes final : public MessageBoxPort {
public:
    //! Shows the box over the active window (none before the main window is
    //! shown) with the caption "Tunewright" and waits for the answer.
    MessageAnswer show(const Message& message) override;
};

} // namespace tw::gui
