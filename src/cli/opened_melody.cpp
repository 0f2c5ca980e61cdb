#include "cli/opened_melody.h"

#include "cli/console.h"
#include "codecs/files/melody_file.h"
#include "core/score/document.h"
#include "core/message_catalogue.h"

namespace tw::cli {

std::expected<OpenedMelody, QString> openMelody(const QString& path)
{
    const auto file = openInput(path);
    if (!file)
        return std::unexpected(file.error());
    auto read = readMelodyFile(**file);
    if (!read)
        return std::unexpected(QStringLiteral("cannot read %1: %2").arg(path, read.error()));

    // A file without a title or tempo line leaves what the reset document holds.
    const int tempoIndex = read->tempo ? tempoIndexOf(*read->tempo) : -1;
    const TempoItem& tempo = TempoItems[std::size_t(tempoIndex >= 0 ? tempoIndex : kDefaultTempoIndex)];
    const msg::ReadingReport report = msg::readingReport(*read);
    return OpenedMelody{read->title.value_or(kUntitled), text(tempo.text), tempo.itemData,
                        std::move(read->rows), read->lastInvalidLine, report};
}

} // namespace tw::cli
