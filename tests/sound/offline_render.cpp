#include "offline_render.h"

#include "sound/sequenced_synth.h"
#include "support/sound_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tw::test {

std::vector<float> renderOffline(std::span<const TimedMessage> messages, double lengthMs, int pieceFrames)
{
    static_assert(SequencedSynth::kSampleRate == kSoundRate);
    auto synth = SequencedSynth::create();
    if (!synth) {
        ADD_FAILURE() << "the synthesizer cannot start: " << synth.error().toStdString();
        return {};
    }
    for (const TimedMessage& m : messages)
        (*synth)->scheduleAt(m.message, m.atMs);

    const auto frames = std::size_t(lengthMs * kSoundRate / 1000);
    std::vector<float> left(frames), right(frames);
    for (std::size_t at = 0; at < frames; at += pieceFrames) {
        const std::size_t n = std::min<std::size_t>(pieceFrames, frames - at);
        (*synth)->render({left.data() + at, n}, {right.data() + at, n});
    }
    std::vector<float> mono(frames);
    std::ranges::transform(left, right, mono.begin(), [](float l, float r) { return (l + r) / 2; });
    return mono;
}

} // namespace tw::test
