#include "cli/console.h"
#include "cli/opened_melody.h"
#include "cli/verbs.h"
#include "codecs/files/melody_file.h"
#include "codecs/midi/midi_file_writer.h"
#include "codecs/transfer/wave_file.h"
#include "core/message_catalogue.h"

namespace tw::cli {
namespace {

int writeMelody(const OpenedMelody& melody, const QString& out)
{
    const auto written = writeOutput(out, [&](QIODevice& device) {
        return writeMelodyFile(device, melody.title, melody.tempoText, melody.rows);
    });
    if (!written) {
        printMessage(written.error());
        return kUsageOrFileError;
    }
    return kSuccess;
}

// What sending the melody would play, in the order the send command checks it.
int writeTransfer(const OpenedMelody& melody, const QString& out)
{
    if (exceedsSendLimit(qsizetype(melody.rows.size())))
        printMessage(msg::kSendRowLimit);
    const auto table = EncodeMelody(melody.rows);
    if (!table) {
        printMessage(msg::kInvalidData);
        return kCannotProcess;
    }
    const auto written = writeOutput(out, [&](QIODevice& device) {
        return writeTransferWave(device, *table, melody.tempoItemData);
    });
    if (!written) {
        printMessage(written.error());
        return kUsageOrFileError;
    }
    printLine(QStringLiteral("row frames: %1").arg(table->SendRowCount));
    return kSuccess;
}

// What the player plays, in the tone the editor starts with.
int writeMidi(const OpenedMelody& melody, const QString& out)
{
    const auto written = writeOutput(out, [&](QIODevice& device) {
        return writeMidiFile(device, melody.title, melody.tempoText.toInt(), TonePrograms[0], melody.rows);
    });
    if (!written) {
        printMessage(written.error());
        return kUsageOrFileError;
    }
    return kSuccess;
}

} // namespace

int convertMelody(const QString& in, const QString& out)
{
    const bool toMelody = out.endsWith(QStringLiteral(".tun"), Qt::CaseInsensitive);
    const bool toTransfer = out.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive);
    const bool toMidi = out.endsWith(QStringLiteral(".mid"), Qt::CaseInsensitive);
    if (!toMelody && !toTransfer && !toMidi) {
        printMessage(QStringLiteral("%1: the output must end in .tun (a melody file), .wav "
                                    "(the transfer audio) or .mid (a MIDI file)").arg(out));
        return kUsageOrFileError;
    }
    const auto melody = openMelody(in);
    if (!melody) {
        printMessage(melody.error());
        return kUsageOrFileError;
    }
    // The open's warnings tell what did not come across; its plain confirmation tells nothing.
    for (const Message& message : melody->report.whileReading)
        printMessage(message.text);
    if (melody->lastInvalidLine && melody->report.closing)
        printMessage(melody->report.closing->text);
    // The editor saves and sends nothing without rows.
    if (melody->rows.empty()) {
        printMessage(msg::kNoData);
        return kCannotProcess;
    }
    if (toMidi)
        return writeMidi(*melody, out);
    return toMelody ? writeMelody(*melody, out) : writeTransfer(*melody, out);
}

} // namespace tw::cli
