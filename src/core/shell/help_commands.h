#pragma once
// The Help menu: the about box and the system's volume control.

#include "core/ports.h"

namespace tw {

class HelpCommands {
public:
    HelpCommands(HelpPort& help, MessageBoxPort& messages) : help_(help), messages_(messages) {}

    //! `mnuVer_Click`.
    void showAbout() { help_.showAbout(); }
    //! `mnuVolCtrl_Click`: the first volume control that starts.
    void startVolumeControl();

private:
    HelpPort& help_;
    MessageBoxPort& messages_;
};

} // namespace tw
