#include "playback/sequenced_synth.h"

#include "playback/fluid_log.h"
#include "playback/short_message.h"

#include <QFileInfo>
#include <algorithm>

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

    // Without the system timer the sequencer advances with the rendered samples.
    s->m_sequencer.reset(new_fluid_sequencer2(0));
    if (!s->m_sequencer)
        return std::unexpected(QStringLiteral("the FluidSynth sequencer could not be created"));
    s->m_synthClient = fluid_sequencer_register_fluidsynth(s->m_sequencer.get(), s->m_synth.get());
    if (s->m_synthClient == FLUID_FAILED)
        return std::unexpected(QStringLiteral("the synthesizer could not join the sequencer"));
    return s;
}

void SequencedSynth::scheduleAt(std::uint32_t message, std::uint32_t atMs)
{
    const ShortMessage m = decodeShortMessage(message);
    FluidEvent event(new_fluid_event());
    if (!event)
        return;
    switch (m.kind) {
    case ShortMessage::Kind::NoteOn:
        fluid_event_noteon(event.get(), m.channel, static_cast<short>(m.data1), static_cast<short>(m.data2));
        break;
    case ShortMessage::Kind::NoteOff:
        fluid_event_noteoff(event.get(), m.channel, static_cast<short>(m.data1));
        break;
    case ShortMessage::Kind::ProgramChange:
        fluid_event_program_change(event.get(), m.channel, m.data1);
        break;
    case ShortMessage::Kind::Other:
        return;
    }
    fluid_event_set_source(event.get(), -1);
    fluid_event_set_dest(event.get(), m_synthClient);
    fluid_sequencer_send_at(m_sequencer.get(), event.get(), atMs, 1);
}

void SequencedSynth::render(std::span<float> left, std::span<float> right)
{
    // The synthesizer adds to what the buffers hold; not every FluidSynth
    // version's audio driver clears them between periods, and a driver may hand
    // in its own input instead of silence.
    std::ranges::fill(left, 0.0f);
    std::ranges::fill(right, 0.0f);
    float* dry[2] = {left.data(), right.data()};
    float* effects[4] = {left.data(), right.data(), left.data(), right.data()};
    fluid_synth_process(m_synth.get(), static_cast<int>(left.size()), 4, effects, 2, dry);
}

} // namespace tw
