#include "import/melody_import.h"

namespace tw {
namespace {

std::expected<ImportedMelody, QString> fitted(Tune tune, std::variant<MidiLineFacts, Ringtone> source)
{
    if (tune.notes.empty())
        return std::unexpected(QStringLiteral("it holds no notes"));
    ImportedMelody melody{tune.title, fitToChip(tune), std::move(source)};
    return melody;
}

} // namespace

std::expected<ImportedMelody, QString> importMelody(const QByteArray& bytes, const ImportChoice& choice)
{
    if (bytes.size() > kMaxImportBytes)
        return std::unexpected(QStringLiteral("it is larger than %1 MiB").arg(kMaxImportBytes / (1024 * 1024)));
    if (bytes.isEmpty())
        return std::unexpected(QStringLiteral("it is empty"));
    if (bytes.startsWith("MThd")) {
        auto line = readMidiLine(bytes, choice.track);
        if (!line)
            return std::unexpected(line.error());
        return fitted(std::move(line->tune), std::move(line->facts));
    }
    auto ringtone = readRingtone(bytes, choice.tune);
    if (!ringtone)
        return std::unexpected(ringtone.error());
    Tune tune = std::move(ringtone->tune);
    return fitted(std::move(tune), std::move(*ringtone));
}

} // namespace tw
