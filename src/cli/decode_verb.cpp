#include "cli/console.h"
#include "cli/verbs.h"
#include "codecs/files/note_text.h"
#include "codecs/transfer/transfer_decoder.h"

namespace tw::cli {

int decodeRecording(const QString& path)
{
    const auto file = openInput(path);
    if (!file) {
        printMessage(file.error());
        return kUsageOrFileError;
    }
    const auto recording = readWaveFile(**file);
    if (!recording) {
        printMessage(QStringLiteral("cannot read %1: %2").arg(path, recording.error()));
        return kUsageOrFileError;
    }
    const auto decoded = decodeTransfer(*recording);
    if (!decoded) {
        printMessage(QStringLiteral("cannot decode %1: %2").arg(path, decoded.error().reason));
        return kCannotProcess;
    }
    printLine(QStringLiteral("tempo: ") + tempoTextOf(decoded->tempoItemData));
    for (const RowCode code : decoded->rows)
        printLine(CodeToMml(code));
    return kSuccess;
}

} // namespace tw::cli
