#include "cli/console.h"
#include "cli/opened_melody.h"
#include "cli/verbs.h"
#include "codecs/score/row_text.h"

namespace tw::cli {

int showMelody(const QString& path)
{
    const auto melody = openMelody(path);
    if (!melody) {
        printMessage(melody.error());
        return kUsageOrFileError;
    }
    printLine(QStringLiteral("title: ") + melody->title);
    printLine(QStringLiteral("tempo: ") + melody->tempoText);
    for (std::size_t i = 0; i < melody->rows.size(); ++i)
        printLine(composeRowText(int(i) + 1, fieldsForCode(melody->rows[i])).chopped(2));
    for (const Message& message : melody->report.whileReading)
        printMessage(message.text);
    if (melody->report.closing)
        printMessage(melody->report.closing->text);
    return kSuccess;
}

} // namespace tw::cli
