#include "cli/console.h"
#include "cli/import_report.h"
#include "cli/verbs.h"
#include "codecs/files/melody_file.h"
#include "codecs/files/title.h"
#include "core/score/document.h"
#include "core/message_catalogue.h"
#include "import/melody_import.h"

#include <QCommandLineParser>

namespace tw::cli {
namespace {

struct ImportArguments {
    QString in;
    QString out;
    ImportChoice choice;
};

std::expected<ImportArguments, QString> parseImportArguments(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption track(QStringLiteral("track"), QString(), QStringLiteral("N"));
    const QCommandLineOption tune(QStringLiteral("tune"), QString(), QStringLiteral("NAME"));
    parser.addOptions({track, tune});
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tunewright-cli")} + args))
        return std::unexpected(parser.errorText());
    const QStringList operands = parser.positionalArguments();
    if (operands.size() != 2)
        return std::unexpected(QStringLiteral("wrong number of arguments"));
    ImportArguments parsed{operands[0], operands[1], {}};
    if (parser.isSet(track)) {
        bool isNumber = false;
        const int number = parser.value(track).toInt(&isNumber);
        if (!isNumber || number < 1)
            return std::unexpected(QStringLiteral("--track takes a track number from 1"));
        parsed.choice.track = number;
    }
    if (parser.isSet(tune))
        parsed.choice.tune = parser.value(tune);
    return parsed;
}

} // namespace

int importFile(const QStringList& args, const UsageError& usageError)
{
    const auto parsed = parseImportArguments(args);
    if (!parsed)
        return usageError(QStringLiteral("import: ") + parsed.error());
    if (!parsed->out.endsWith(QStringLiteral(".tun"), Qt::CaseInsensitive)) {
        printMessage(QStringLiteral("%1: the output must end in .tun (a melody file)").arg(parsed->out));
        return kUsageOrFileError;
    }
    const auto file = openInput(parsed->in);
    if (!file) {
        printMessage(file.error());
        return kUsageOrFileError;
    }
    // One byte past the limit tells a file that is too large from one that just fits.
    const QByteArray bytes = (*file)->read(kMaxImportBytes + 1);
    const auto melody = importMelody(bytes, parsed->choice);
    if (!melody) {
        printMessage(QStringLiteral("cannot import %1: %2").arg(parsed->in, melody.error()));
        return kCannotProcess;
    }
    const QString title = melody->title.isEmpty() ? kUntitled : cutTitleToLimit(melody->title);
    for (const QString& line : importReportLines(*melody, title))
        printMessage(line);
    // The rows stop where the editor's score does, with the open command's message.
    if (melody->fitted.report.rowsCut)
        printMessage(msg::kReadRowLimit);
    const int tempoIndex = tempoIndexOf(melody->fitted.tempo);
    const QString tempoText = text(TempoItems[std::size_t(tempoIndex)].text);
    const auto written = writeOutput(parsed->out, [&](QIODevice& device) {
        return writeMelodyFile(device, title, tempoText, melody->fitted.rows);
    });
    if (!written) {
        printMessage(written.error());
        return kUsageOrFileError;
    }
    return kSuccess;
}

} // namespace tw::cli
