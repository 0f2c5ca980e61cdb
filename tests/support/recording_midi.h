#pragma once
// A MIDI output that records what it is asked to do. Whether it opens is set
// by the test; it records every short message, open or not, so a test can see
// that nothing was sent rather than that a closed device dropped it.

#include "core/ports.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace tw::test {

class RecordingMidi final : public MidiOutPort {
public:
    bool open() override
    {
        ++openCalls;
        isOpen = opens;
        return opens;
    }
    void shortMessage(std::uint32_t message) override
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
    }
    void close() override
    {
        ++closeCalls;
        isOpen = false;
    }

    //! Hands back the messages sent so far and forgets them.
    std::vector<std::uint32_t> takeMessages() { return std::exchange(messages, {}); }

    bool opens = true;  //!< the result of the next open()
    bool isOpen = false;
    int openCalls = 0;
    int closeCalls = 0;
    std::vector<std::uint32_t> messages;
    //! Runs after each message is recorded: a test notes what else holds at that moment.
    std::function<void(std::uint32_t)> onMessage;
};

} // namespace tw::test
