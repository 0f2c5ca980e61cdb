#include "playback/sequenced_synth.h"

#include "playback/fluid_log.h"
#include "playback/short_message.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace tw {

QStringList defaultSoundfonts()
{
    // TimGM6mb loads in tens of milliseconds; the default GM font may be the
    // 148 MB FluidR3, which costs a noticeable part of start-up and memory.
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3")};
}

std::expected<std::unique_ptr<SequencedSynth>, QString>
SequencedSynth::create(const QStringList& soundfonts)
{
    const std::uint64_t logMark = fluidlog::mark();
    std::unique_ptr<SequencedSynth> s(new SequencedSynth);
    s->m_settings.reset(new_fluid_settings());
    if (!s->m_settings)
        return std::unexpected(QStringLiteral("FluidSynth settings could not be created"));
    fluid_settings_setnum(s->m_settings.get(), "synth.sample-rate", kSampleRate);
    s->m_synth.reset(new_fluid_synth(s->m_settings.get()));
    if (!s->m_synth)
        return std::unexpected(QStringLiteral("the FluidSynth synthesizer could not be created"));

    for (const QString& path : soundfonts) {
        if (!QFileInfo::exists(path))
            continue;
        if (fluid_synth_sfload(s->m_synth.get(), QFile::encodeName(path).constData(), 1) != FLUID_FAILED) {
            s->m_soundfont = path;
            break;
        }
    }
    if (s->m_soundfont.isEmpty()) {
        QString reason = QStringLiteral("no soundfont could be loaded (tried %1)").arg(soundfonts.join(QStringLiteral(", ")));
        const QStringList logged = fluidlog::errorsSince(logMark);
        if (!logged.isEmpty())
            reason += QStringLiteral(": ") + logged.join(QStringLiteral("; "));
        return std::unexpected(reason);
    }
    return s;
}

void SequencedSynth::scheduleAt(std::uint32_t message, double atMs)
{
    const auto frame = std::llround(atMs * kSampleRate / 1000);
    std::lock_guard lock(m_scheduleMutex);
    // Nearly always the latest time yet: the search ends at the back.
    const auto after = std::ranges::upper_bound(m_schedule, frame, {}, &Scheduled::frame);
    m_schedule.insert(after, {frame, message});
}

void SequencedSynth::render(std::span<float> left, std::span<float> right)
{
    // The synthesizer adds to what the buffers hold; not every FluidSynth
    // version's audio driver clears them between periods, and a driver may hand
    // in its own input instead of silence.
    std::ranges::fill(left, 0.0f);
    std::ranges::fill(right, 0.0f);
    std::size_t done = 0;
    while (done < left.size()) {
        const auto intoBlock = int(m_renderedFrames % kBlockFrames);
        if (intoBlock == 0)
            playDueAt(m_renderedFrames);
        const int frames = int(std::min<std::size_t>(kBlockFrames - intoBlock, left.size() - done));
        renderWithinBlock(left.data() + done, right.data() + done, frames);
        done += std::size_t(frames);
        m_renderedFrames += frames;
    }
}

void SequencedSynth::playDueAt(std::int64_t blockStart)
{
    {
        std::lock_guard lock(m_scheduleMutex);
        const auto due = std::ranges::lower_bound(m_schedule, blockStart + kBlockFrames / 2, {}, &Scheduled::frame);
        m_due.assign(m_schedule.begin(), due);
        m_schedule.erase(m_schedule.begin(), due);
    }
    for (const Scheduled& s : m_due)
        play(s.message);
}

void SequencedSynth::play(std::uint32_t message)
{
    const ShortMessage m = decodeShortMessage(message);
    switch (m.kind) {
    case ShortMessage::Kind::NoteOn:
        fluid_synth_noteon(m_synth.get(), m.channel, m.data1, m.data2);
        break;
    case ShortMessage::Kind::NoteOff:
        fluid_synth_noteoff(m_synth.get(), m.channel, m.data1);
        break;
    case ShortMessage::Kind::ProgramChange:
        fluid_synth_program_change(m_synth.get(), m.channel, m.data1);
        break;
    case ShortMessage::Kind::Other:
        break;
    }
}

void SequencedSynth::renderWithinBlock(float* left, float* right, int frames)
{
    float* dry[2] = {left, right};
    float* effects[4] = {left, right, left, right};
    fluid_synth_process(m_synth.get(), frames, 4, effects, 2, dry);
}

} // namespace tw
