#include "import/midi_file_reader.h"

#include "codecs/files/cp932.h"
#include "import/melody_line.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// portSMF's header uses size_t unqualified and includes nothing itself.
using std::size_t;
#include <mfmidi.h>

namespace tw {
namespace {

constexpr int kDrumChannel = 9;               // MIDI channel 10
constexpr int kTrackNameMeta = 0x03;
constexpr long kDefaultMicrosPerQuarter = 500000;  // 120 beats per minute, as MIDI has it
// Far beyond any tune (years at any sensible resolution), and low enough that a tick count
// times a tempo stays well inside 64 bits.
constexpr long kMaxTicks = 1L << 36;

// portSMF hands the data of a tempo, time-signature, sequence-number or prefix event to its
// callback from its message buffer, whatever the event's length, and that buffer exists only
// once a message has filled it: a file whose first such event is empty makes it read through
// a null pointer. This one-event file fills the buffer once, with zeros (Mf_malloc clears),
// before the real file is read by the same reader.
constexpr unsigned char kPrimer[] = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 1,
    'M', 'T', 'r', 'k', 0, 0, 0, 9, 0, 0xFF, 0x01, 1, 0, 0, 0xFF, 0x2F, 0};

struct Tick {
    long tick;
    long value;
};

struct TickNote {
    long start;
    long end;
    int note;
};

// One pass over the file. Without a voice to collect it counts the notes of every voice and
// gathers the tempo map; with one it also keeps that voice's notes.
class EventReader : private Midifile_reader {
public:
    EventReader(const QByteArray& bytes, std::optional<MidiVoice> collect)
        : bytes_(bytes), collect_(collect)
    {
        midifile();
        priming_ = false;
        midifile();
        finalize();
    }

    std::optional<QString> failure;
    int format = 0;
    int declaredTracks = 0;
    int ticksPerQuarter = 0;       // 0 for a file timed in SMPTE frames
    int ticksPerSecond = 0;        // frames per second times ticks per frame, for those
    int tracksRead = 0;
    std::vector<std::array<int, 16>> notesByTrack;
    int drumNotes = 0;
    std::vector<Tick> tempos;
    std::optional<std::pair<int, int>> timeSignature;
    QByteArray trackName;
    std::vector<TickNote> notes;   // of the collected voice
    long collectedTrackEnd = 0;

private:
    void fail(const QString& reason)
    {
        if (!failure)
            failure = reason;
    }
    QString inTrack() const
    {
        return tracksRead == 0 ? QStringLiteral("in the header")
                               : QStringLiteral("in track %1").arg(tracksRead);
    }
    bool live() const { return !priming_ && !failure; }
    bool timeInRange()
    {
        if (Mf_currtime >= 0 && Mf_currtime <= kMaxTicks)
            return true;
        fail(QStringLiteral("an event %1 lies beyond %2 ticks from the start").arg(inTrack()).arg(kMaxTicks));
        return false;
    }
    bool collecting() const { return collect_ && collect_->track == tracksRead; }

    void closeNote(int channel, int key)
    {
        long& start = openNotes_[std::size_t(channel)][std::size_t(key)];
        if (start >= 0 && collecting() && collect_->channel == channel + 1)
            notes.push_back({start, Mf_currtime, key});
        start = -1;
    }
    void closeAll()
    {
        for (int channel = 0; channel < 16; ++channel)
            for (int key = 0; key < 128; ++key)
                closeNote(channel, key);
    }
    bool dataBytes(int a, int b)
    {
        // A status byte where data belongs; -1 is the end of the file, reported already.
        if (a >= 0 && a < 128 && b >= 0 && b < 128)
            return true;
        fail(QStringLiteral("a data byte above 127 %1").arg(inTrack()));
        return false;
    }

    void* Mf_malloc(size_t size) override { return std::calloc(size, 1); }
    void Mf_free(void* obj, size_t) override { std::free(obj); }
    int Mf_getc() override
    {
        if (priming_)
            return primed_ < sizeof kPrimer ? kPrimer[primed_++] : EOF;
        // After a failure the reader is stopped at its next byte.
        if (failure || position_ >= bytes_.size())
            return EOF;
        return static_cast<unsigned char>(bytes_[position_++]);
    }
    void Mf_error(char* message) override
    {
        if (priming_)
            return;
        if (std::strcmp(message, "premature EOF") == 0)
            fail(tracksRead == 0 ? QStringLiteral("the file ends inside its header")
                                 : QStringLiteral("the file ends inside track %1, which claims more "
                                                  "bytes than the file has left").arg(tracksRead));
        else if (std::strncmp(message, "EOF while expecting MTrk", 24) == 0)
            fail(QStringLiteral("the header announces %1 tracks, the file holds %2")
                     .arg(declaredTracks).arg(tracksRead));
        else if (std::strncmp(message, "EOF while expecting MThd", 24) == 0
                 || std::strncmp(message, "expecting MThd", 14) == 0)
            fail(QStringLiteral("it is not a Standard MIDI File (it does not begin with MThd)"));
        else if (std::strncmp(message, "expecting MTrk", 14) == 0)
            fail(QStringLiteral("track %1 does not begin with MTrk").arg(tracksRead + 1));
        else
            fail(QStringLiteral("%1 %2").arg(QString::fromLatin1(message), inTrack()));
    }
    void Mf_header(int fileFormat, int trackCount, int division) override
    {
        if (priming_)
            return;
        format = fileFormat;
        declaredTracks = trackCount;
        if (fileFormat != 0 && fileFormat != 1)
            fail(fileFormat == 2 ? QStringLiteral("format 2 (independent patterns) is not supported")
                                 : QStringLiteral("its format %1 is none of 0, 1 and 2").arg(fileFormat));
        if (division & 0x8000) {
            const int framesPerSecond = 256 - (division >> 8);
            const int ticksPerFrame = division & 0xFF;
            if ((framesPerSecond != 24 && framesPerSecond != 25 && framesPerSecond != 29
                 && framesPerSecond != 30) || ticksPerFrame == 0)
                fail(QStringLiteral("its time division (%1 frames of %2 ticks) is no SMPTE timing")
                         .arg(framesPerSecond).arg(ticksPerFrame));
            ticksPerSecond = framesPerSecond * ticksPerFrame;
        } else if (division == 0) {
            fail(QStringLiteral("its time division is 0 ticks per quarter note"));
        } else {
            ticksPerQuarter = division;
        }
    }
    void Mf_starttrack() override
    {
        if (priming_)
            return;
        ++tracksRead;
        notesByTrack.push_back({});
        for (auto& channel : openNotes_)
            channel.fill(-1);
    }
    void Mf_endtrack() override
    {
        if (!live())
            return;
        closeAll();
        if (collecting())
            collectedTrackEnd = Mf_currtime;
    }
    void Mf_on(int channel, int key, int velocity) override
    {
        if (!live() || !dataBytes(key, velocity) || !timeInRange())
            return;
        closeNote(channel, key);
        if (velocity == 0)
            return;
        if (channel == kDrumChannel) {
            ++drumNotes;
            return;
        }
        ++notesByTrack.back()[std::size_t(channel)];
        openNotes_[std::size_t(channel)][std::size_t(key)] = Mf_currtime;
    }
    void Mf_off(int channel, int key, int velocity) override
    {
        if (live() && dataBytes(key, velocity) && timeInRange())
            closeNote(channel, key);
    }
    void Mf_tempo(int microsPerQuarter) override
    {
        if (!live() || !timeInRange())
            return;
        if (microsPerQuarter <= 0)
            fail(QStringLiteral("a tempo of 0 microseconds per quarter note %1").arg(inTrack()));
        tempos.push_back({Mf_currtime, microsPerQuarter});
    }
    void Mf_timesig(int beats, int beatPower, int, int) override
    {
        if (live() && !timeSignature && beatPower < 8)
            timeSignature = std::pair{beats, 1 << beatPower};
    }
    void Mf_text(int type, int length, unsigned char* text) override
    {
        if (live() && type == kTrackNameMeta && tracksRead == 1 && trackName.isEmpty() && text)
            trackName = QByteArray(reinterpret_cast<const char*>(text), length);
    }
    // The rest of what a file may hold plays no part in a melody line.
    void Mf_eot() override {}
    void Mf_chanprefix(int) override {}
    void Mf_portprefix(int) override {}
    void Mf_pressure(int, int, int) override {}
    void Mf_controller(int, int, int) override {}
    void Mf_pitchbend(int, int, int) override {}
    void Mf_program(int, int) override {}
    void Mf_chanpressure(int, int) override {}
    void Mf_sysex(int, unsigned char*) override {}
    void Mf_arbitrary(int, unsigned char*) override {}
    void Mf_metamisc(int, int, unsigned char*) override {}
    void Mf_seqnum(int) override {}
    void Mf_smpte(int, int, int, int, int) override {}
    void Mf_keysig(int, int) override {}
    void Mf_sqspecific(int, unsigned char*) override {}

    const QByteArray& bytes_;
    std::optional<MidiVoice> collect_;
    bool priming_ = true;
    std::size_t primed_ = 0;
    qsizetype position_ = 0;
    std::array<std::array<long, 128>, 16> openNotes_{};
};

// Ticks to microseconds by the tempo map of the whole file, as a format 1 file has it.
class TempoMap {
public:
    explicit TempoMap(const EventReader& file) : perQuarter_(file.ticksPerQuarter), perSecond_(file.ticksPerSecond)
    {
        std::vector<Tick> tempos = file.tempos;
        std::ranges::stable_sort(tempos, {}, &Tick::tick);
        segments_.push_back({0, kDefaultMicrosPerQuarter, 0});
        for (const Tick& tempo : tempos) {
            const Segment& last = segments_.back();
            const std::int64_t at = later(last.startUs, span(last, tempo.tick));
            if (tempo.tick == last.tick)
                segments_.back() = {tempo.tick, tempo.value, last.startUs};
            else
                segments_.push_back({tempo.tick, tempo.value, at});
        }
    }
    std::int64_t microseconds(long tick) const
    {
        const auto after = std::ranges::upper_bound(segments_, tick, {}, &Segment::tick);
        // Delta times that add up past the parser's range come back as ticks before the start.
        if (after == segments_.begin())
            return 0;
        const Segment& segment = *std::prev(after);
        return later(segment.startUs, span(segment, tick));
    }
    double firstBpm() const { return 60e6 / double(segments_.front().microsPerQuarter); }

private:
    struct Segment {
        long tick;
        long microsPerQuarter;
        std::int64_t startUs;
    };
    // A file's delta times add up to any tick at all, far beyond a tune's length: times are
    // worked out in long double and held at kLatestUs, so no sum or product can overflow and
    // such a note simply lies after everything a melody can hold.
    static constexpr std::int64_t kLatestUs = std::int64_t(1) << 50;   // about 35 years
    static std::int64_t later(std::int64_t startUs, std::int64_t spanUs)
    {
        return std::min(startUs + spanUs, kLatestUs);
    }
    std::int64_t span(const Segment& from, long tick) const
    {
        const long double ticks = static_cast<long double>(tick) - static_cast<long double>(from.tick);
        const long double us = perQuarter_ > 0 ? ticks * from.microsPerQuarter / perQuarter_
                                               : ticks * 1e6L / perSecond_;
        return static_cast<std::int64_t>(std::clamp(us, 0.0L, static_cast<long double>(kLatestUs)));
    }
    int perQuarter_;
    int perSecond_;
    std::vector<Segment> segments_;
};

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    // Japanese sequencers write their names in Shift_JIS.
    return utf8.hasError() ? cp932::decode(bytes) : text;
}

std::expected<MidiVoice, QString> chooseVoice(const std::vector<MidiVoice>& voices, std::optional<int> track,
                                              int tracks)
{
    const auto most = [](const MidiVoice& a, const MidiVoice& b) { return a.notes < b.notes; };
    if (!track) {
        if (voices.empty())
            return std::unexpected(QStringLiteral("it holds no notes outside the drums (channel 10)"));
        // max_element keeps the first of equals: the earliest voice in the file.
        return *std::ranges::max_element(voices, most);
    }
    if (*track < 1 || *track > tracks)
        return std::unexpected(QStringLiteral("there is no track %1: the file has %2").arg(*track).arg(tracks));
    std::vector<MidiVoice> inTrack;
    std::ranges::copy_if(voices, std::back_inserter(inTrack), [&](const MidiVoice& v) { return v.track == *track; });
    if (inTrack.empty())
        return std::unexpected(QStringLiteral("track %1 holds no notes outside the drums (channel 10)").arg(*track));
    return *std::ranges::max_element(inTrack, most);
}

} // namespace

std::expected<MidiLine, QString> readMidiLine(const QByteArray& bytes, std::optional<int> track)
{
    const EventReader survey(bytes, std::nullopt);
    if (survey.failure)
        return std::unexpected(*survey.failure);

    MidiLineFacts facts;
    facts.format = survey.format;
    facts.tracks = survey.tracksRead;
    facts.drumNotes = survey.drumNotes;
    facts.tempoChanges = std::max(0, int(survey.tempos.size()) - 1);
    facts.timeSignature = survey.timeSignature;
    for (std::size_t t = 0; t < survey.notesByTrack.size(); ++t)
        for (int channel = 0; channel < 16; ++channel)
            if (const int count = survey.notesByTrack[t][std::size_t(channel)]; count > 0)
                facts.voices.push_back({int(t) + 1, channel + 1, count});
    const auto chosen = chooseVoice(facts.voices, track, facts.tracks);
    if (!chosen)
        return std::unexpected(chosen.error());
    facts.chosen = *chosen;

    const EventReader voice(bytes, *chosen);
    const TempoMap time(survey);
    std::vector<TuneNote> notes;
    notes.reserve(voice.notes.size());
    for (const TickNote& note : voice.notes)
        notes.push_back({time.microseconds(note.start), time.microseconds(note.end), note.note});
    MelodyLine line = highestLine(std::move(notes));
    facts.notesBeneath = line.notesBeneath;

    Tune tune;
    tune.title = decodeText(survey.trackName).trimmed();
    tune.endUs = time.microseconds(voice.collectedTrackEnd);
    if (!line.notes.empty())
        tune.endUs = std::max(tune.endUs, line.notes.back().endUs);
    tune.notes = std::move(line.notes);
    tune.sourceBpm = time.firstBpm();
    return MidiLine{std::move(tune), std::move(facts)};
}

} // namespace tw
