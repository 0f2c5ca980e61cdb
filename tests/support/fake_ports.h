#pragma once
// One fake for every port of the editor, for a fixture to derive from and wire
// its Editor to: `Editor editor{ports()};` as its last member. A fixture that
// drives the transfer for real names its own port as `Transfer`; one that
// drives the help for real passes it to ports(HelpPort&).
//
// The fakes, one header each in this folder:
//   FakeScoreList       lstScore: a list with extended selection, plus clicks and arrow keys
//   FakeControls        pictures, enabled states, menus, title, tempo and start option
//   ScriptedMessageBox  records every box; answers as scripted, OK by default
//   RecordingMidi       records short messages; whether open() succeeds is scripted
//   VirtualClock        moves only when the editor waits; runs scripted events at set times
//   FakeDialogs, FakeTransfer, FakeHelp, FakeAnimation   the remaining ports

#include "support/fake_animation.h"
#include "support/fake_controls.h"
#include "support/fake_dialogs.h"
#include "support/fake_help.h"
#include "support/fake_score_list.h"
#include "support/fake_transfer.h"
#include "support/recording_midi.h"
#include "support/scripted_message_box.h"
#include "support/virtual_clock.h"

#include "core/ports.h"

namespace tw::test {

template <typename Transfer = FakeTransfer>
struct FakePorts {
    Ports ports() { return ports(help); }
    Ports ports(HelpPort& helpPort)
    {
        return Ports{list, controls, messages, midi, clock, dialogs, transfer, helpPort, animation};
    }

    FakeScoreList list;
    FakeControls controls;
    ScriptedMessageBox messages;
    RecordingMidi midi;
    VirtualClock clock;
    FakeDialogs dialogs;
    Transfer transfer;
    FakeHelp help;
    FakeAnimation animation;
};

} // namespace tw::test
