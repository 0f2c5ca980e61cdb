// tunewright-cli: the melody editor's files and transfer signal, for scripts and
// for checking files without the window.

#include "cli/console.h"
#include "cli/verbs.h"

#include <QFile>
#include <QStringList>

namespace {

using namespace tw::cli;

const QString kUsage = QStringLiteral(
    "usage: tunewright-cli VERB ARGUMENTS\n"
    "\n"
    "  show FILE.tun             print the title, the tempo and every row as the editor\n"
    "                            shows them; the editor's messages go to standard error\n"
    "  convert IN.tun OUT.tun    write the melody as the editor saves it\n"
    "  convert IN.tun OUT.wav    write the transfer audio that sending the melody plays\n"
    "  convert IN.tun OUT.mid    write a MIDI file of the melody as the editor plays it\n"
    "                            (format 0, the start-up tone)\n"
    "  decode IN.wav             print the tempo and the rows a recording of the\n"
    "                            transfer signal carries\n"
    "  import IN.mid|IN.txt OUT.tun [--track N] [--tune NAME]\n"
    "                            read a MIDI file or RTTTL ringtones, fit the tune to\n"
    "                            the chip and write it as the editor saves it; what the\n"
    "                            fitting did goes to standard error. --track takes the\n"
    "                            line from track N (by default the voice with the most\n"
    "                            notes outside the drums), --tune picks a ringtone by\n"
    "                            name or number (by default the first)\n"
    "  play FILE.tun [--tone NAME]\n"
    "                            play the melody as the editor's play button does, in\n"
    "                            the Tone menu's tone NAME (beep, musicbox, piano,\n"
    "                            guitar, trumpet, organ; by default the beep), showing\n"
    "                            the row, the time played and the melody's length;\n"
    "                            Ctrl+C stops after the row, silent at once\n"
    "  send FILE.tun             play the transfer signal to the chip as the editor's\n"
    "                            send command does, showing the time left\n"
    "  --help                    print this text\n"
    "\n"
    "Exit status: 0 done, 1 the melody or recording cannot be processed,\n"
    "2 a usage or file error, 3 no sound output, 130 stopped by Ctrl+C.");

int usageError(const QString& problem)
{
    printMessage(problem + u'\n' + kUsage);
    return kUsageOrFileError;
}

int run(const QStringList& args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no verb given"));
    const QString& verb = args.front();
    const qsizetype operands = args.size() - 1;
    if (verb == u"--help" && operands == 0) {
        printLine(kUsage);
        return kSuccess;
    }
    if (verb == u"show" && operands == 1)
        return showMelody(args[1]);
    if (verb == u"convert" && operands == 2)
        return convertMelody(args[1], args[2]);
    if (verb == u"decode" && operands == 1)
        return decodeRecording(args[1]);
    if (verb == u"import")
        return importFile(args.sliced(1), usageError);
    if (verb == u"play")
        return playMelody(args.sliced(1), usageError);
    if (verb == u"send" && operands == 1)
        return sendMelody(args[1]);
    const bool known = verb == u"--help" || verb == u"show" || verb == u"convert" || verb == u"decode"
        || verb == u"send";
    return usageError(known ? QStringLiteral("%1: wrong number of arguments").arg(verb)
                            : QStringLiteral("unknown verb %1").arg(verb));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.push_back(QFile::decodeName(argv[i]));
    return run(args);
}
