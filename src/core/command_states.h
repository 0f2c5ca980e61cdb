#pragma once
// Sets which commands are available: each command's toolbar image, menu entry
// and picture together, from one row of the tables in command_settings.h.

#include "core/command_settings.h"
#include "core/ports.h"

#include <functional>

namespace tw {

class CommandStates {
public:
    //! `playable` tells whether there is a MIDI output to play on; without one,
    //! Play stays disabled whatever a table says.
    CommandStates(ControlsPort& controls, std::function<bool()> playable);

    //! `SetCommandStates`: every command to On, Off, or left as it is (Keep).
    void set(const CommandSettings& settings);

private:
    ControlsPort& controls_;
    std::function<bool()> playable_;
};

} // namespace tw
