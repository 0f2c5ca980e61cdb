#include "sound/sequenced_synth.h"

#include "sound/fluid_log.h"
#include "codecs/midi/short_message.h"
#include "sound/soundfont_coverage.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace tw {

namespace {

//! Channels the editor never sends on, one for each fill font, counted from 0
//! as the synthesizer counts them (not 9, MIDI channel 10, which General MIDI
//! keeps for drums).
constexpr std::array<int, 6> kFillChannels{15, 14, 13, 12, 11, 10};

} // namespace

QStringList defaultSoundfonts()
{
    // TimGM6mb and the csound GM bank each load in about 15 ms. TimGM6mb gives
    // the tones; its start-up tone ends at note 79, and the csound bank, which
    // has every key of every tone in tune, plays the ten keys above. The
    // distribution's default GM font may be the 148 MB FluidR3 or a MuseScore
    // font, which take from a second to several to load: only where neither
    // small font is installed.
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/sf_GMbank.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3")};
}

std::expected<std::unique_ptr<SequencedSynth>, QString>
SequencedSynth::create(const QStringList& soundfonts)
{
    const std::uint64_t logMark = fluidlog::mark();
    std::unique_ptr<SequencedSynth> s(new SequencedSynth);
    s->settings_.reset(new_fluid_settings());
    if (!s->settings_)
        return std::unexpected(QStringLiteral("FluidSynth settings could not be created"));
    fluid_settings_setnum(s->settings_.get(), "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(s->settings_.get(), "synth.gain", kGain);
    s->synth_.reset(new_fluid_synth(s->settings_.get()));
    if (!s->synth_)
        return std::unexpected(QStringLiteral("the FluidSynth synthesizer could not be created"));

    qsizetype main = 0;
    for (; main < soundfonts.size(); ++main) {
        const QString& path = soundfonts[main];
        if (!QFileInfo::exists(path))
            continue;
        const int id = fluid_synth_sfload(s->synth_.get(), QFile::encodeName(path).constData(), 1);
        if (id != FLUID_FAILED) {
            s->soundfont_ = path;
            s->fontId_ = id;
            break;
        }
    }
    if (s->soundfont_.isEmpty()) {
        QString reason = QStringLiteral("no soundfont could be loaded (tried %1)").arg(soundfonts.join(QStringLiteral(", ")));
        const QStringList logged = fluidlog::errorsSince(logMark);
        if (!logged.isEmpty())
            reason += QStringLiteral(": ") + logged.join(QStringLiteral("; "));
        return std::unexpected(reason);
    }
    s->loadFills(soundfonts.mid(main + 1));
    s->noteChannel_.fill(kMelodyChannel);
    s->selectProgram(0);
    return s;
}

void SequencedSynth::loadFills(const QStringList& candidates)
{
    fluid_synth_t* synth = synth_.get();
    std::map<int, NoteSet> missing;
    for (const int program : TonePrograms) {
        const NoteSet lacking = keyboardNotes() & ~soundingNotes(synth, kMelodyChannel, fontId_, program);
        if (lacking.any())
            missing[program] = lacking;
    }
    for (const auto& entry : missing)
        routes_[entry.first].fill(kMelodyChannel);
    for (const QString& path : candidates) {
        if (missing.empty() || fills_.size() == kFillChannels.size())
            break;
        if (!QFileInfo::exists(path))
            continue;
        const int id = fluid_synth_sfload(synth, QFile::encodeName(path).constData(), 0);
        if (id == FLUID_FAILED)
            continue;
        const int channel = kFillChannels[fills_.size()];
        bool used = false;
        for (auto it = missing.begin(); it != missing.end();) {
            const NoteSet filled = it->second & soundingNotes(synth, channel, id, it->first);
            for (int note = kLowestNote; note <= kHighestNote; ++note)
                if (filled.test(std::size_t(note)))
                    routes_[it->first][std::size_t(note)] = std::int8_t(channel);
            used = used || filled.any();
            it->second &= ~filled;
            it = it->second.any() ? std::next(it) : missing.erase(it);
        }
        if (used)
            fills_.push_back({id, channel});
        else
            fluid_synth_sfunload(synth, id, 0);
    }
}

void SequencedSynth::scheduleAt(std::uint32_t message, double atMs)
{
    const auto frame = std::llround(atMs * kSampleRate / 1000);
    std::lock_guard lock(scheduleMutex_);
    // Nearly always the latest time yet: the search ends at the back.
    const auto after = std::ranges::upper_bound(schedule_, frame, {}, &Scheduled::frame);
    schedule_.insert(after, {frame, message});
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
        const auto intoBlock = int(renderedFrames_ % kBlockFrames);
        if (intoBlock == 0)
            playDueAt(renderedFrames_);
        const int frames = int(std::min<std::size_t>(kBlockFrames - intoBlock, left.size() - done));
        renderWithinBlock(left.data() + done, right.data() + done, frames);
        done += std::size_t(frames);
        renderedFrames_ += frames;
    }
}

void SequencedSynth::playDueAt(std::int64_t blockStart)
{
    {
        std::lock_guard lock(scheduleMutex_);
        const auto due = std::ranges::lower_bound(schedule_, blockStart + kBlockFrames / 2, {}, &Scheduled::frame);
        due_.assign(schedule_.begin(), due);
        schedule_.erase(schedule_.begin(), due);
    }
    for (const Scheduled& s : due_)
        play(s.message);
}

void SequencedSynth::play(std::uint32_t message)
{
    const ShortMessage m = decodeShortMessage(message);
    const bool melody = m.channel == kMelodyChannel;
    switch (m.kind) {
    case ShortMessage::Kind::NoteOn:
        if (melody)
            noteOn(m.data1, m.data2);
        else
            fluid_synth_noteon(synth_.get(), m.channel, m.data1, m.data2);
        break;
    case ShortMessage::Kind::NoteOff:
        fluid_synth_noteoff(synth_.get(), melody ? noteChannel_[std::size_t(m.data1)] : m.channel, m.data1);
        break;
    case ShortMessage::Kind::ProgramChange:
        if (melody)
            selectProgram(m.data1);
        else
            fluid_synth_program_change(synth_.get(), m.channel, m.data1);
        break;
    case ShortMessage::Kind::Other:
        break;
    }
}

void SequencedSynth::noteOn(int note, int velocity)
{
    const int channel = currentRoutes_ ? (*currentRoutes_)[std::size_t(note)] : kMelodyChannel;
    std::int8_t& previous = noteChannel_[std::size_t(note)];
    // A note struck again ends its last sounding, as on one channel; across a
    // program change that sounding may be on the other channel.
    if (previous != channel)
        fluid_synth_noteoff(synth_.get(), previous, note);
    previous = std::int8_t(channel);
    fluid_synth_noteon(synth_.get(), channel, note, velocity);
}

void SequencedSynth::selectProgram(int program)
{
    // By font, not by program alone: FluidSynth would take a program from the
    // font loaded last, a fill font.
    fluid_synth_program_select(synth_.get(), kMelodyChannel, fontId_, 0, program);
    const auto routes = routes_.find(program);
    currentRoutes_ = routes == routes_.end() ? nullptr : &routes->second;
    if (currentRoutes_)
        for (const Fill& fill : fills_)
            fluid_synth_program_select(synth_.get(), fill.channel, fill.fontId, 0, program);
}

void SequencedSynth::renderWithinBlock(float* left, float* right, int frames)
{
    float* dry[2] = {left, right};
    float* effects[4] = {left, right, left, right};
    fluid_synth_process(synth_.get(), frames, 4, effects, 2, dry);
}

} // namespace tw
