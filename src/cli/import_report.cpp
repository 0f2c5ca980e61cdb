#include "cli/import_report.h"

namespace tw::cli {
namespace {

QString plural(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

QStringList sourceLines(const MidiLineFacts& facts)
{
    QString file = QStringLiteral("source: MIDI file of format %1, %2, %3")
                       .arg(facts.format)
                       .arg(plural(facts.tracks, "track", "tracks"), plural(facts.tempoChanges, "tempo change", "tempo changes"));
    if (facts.timeSignature)
        file += QStringLiteral(", time signature %1/%2").arg(facts.timeSignature->first).arg(facts.timeSignature->second);
    QStringList others;
    for (const MidiVoice& voice : facts.voices)
        if (!(voice == facts.chosen))
            others.append(QStringLiteral("track %1 channel %2: %3").arg(voice.track).arg(voice.channel).arg(voice.notes));
    QString line = QStringLiteral("line: track %1, channel %2, %3")
                       .arg(facts.chosen.track).arg(facts.chosen.channel)
                       .arg(plural(facts.chosen.notes, "note", "notes"));
    if (!others.isEmpty())
        line += QStringLiteral(" (other voices: %1)").arg(others.join(QStringLiteral(", ")));
    return {file, line,
            QStringLiteral("drum notes left out (channel 10): %1").arg(facts.drumNotes),
            QStringLiteral("notes left out beneath a higher note: %1").arg(facts.notesBeneath)};
}

QStringList sourceLines(const Ringtone& ringtone)
{
    return {QStringLiteral("source: RTTTL ringtone %1 of %2, %3 beats per minute")
                .arg(ringtone.index).arg(ringtone.count).arg(ringtone.tune.sourceBpm)};
}

} // namespace

QStringList importReportLines(const ImportedMelody& melody, const QString& title)
{
    QStringList lines = std::visit([](const auto& source) { return sourceLines(source); }, melody.source);
    const FittingReport& report = melody.fitted.report;
    lines += {
        QStringLiteral("title: %1").arg(title),
        QStringLiteral("tempo: %1 (note starts and ends %2 ms from the tune's in all)")
            .arg(report.tempo).arg(report.timingErrorMs),
        QStringLiteral("octave shift of the whole tune: %1").arg(report.octaveShift, 0, 10),
        QStringLiteral("notes moved by octaves one by one: %1").arg(report.notesMovedByOctave),
        QStringLiteral("notes merged on one sixteenth: %1").arg(report.notesMerged),
        QStringLiteral("notes lengthened to a sixteenth: %1").arg(report.notesLengthened),
        QStringLiteral("notes shortened, rests after them: %1").arg(report.notesShortened),
        QStringLiteral("notes dropped past row %1: %2").arg(kMaxRows).arg(report.notesCut),
        QStringLiteral("rows: %1").arg(report.rows),
    };
    return lines;
}

} // namespace tw::cli
