#include "cli/console.h"
#include "cli/console_editor.h"
#include "cli/console_transfer.h"
#include "cli/interrupt_watch.h"
#include "cli/progress_line.h"
#include "cli/verbs.h"
#include "codecs/score/row_timing.h"
#include "sound/fluidsynth_midi_out.h"
#include "sound/pulse_wave_player.h"

#include <QCommandLineParser>
#include <QTimer>
#include <algorithm>
#include <thread>

namespace tw::cli {
namespace {

using std::chrono::milliseconds;

//! A plain word for each entry of the Tone menu (ToneNames), that a script can type
//! anywhere; the position is the entry's number.
constexpr std::array<std::u16string_view, ToneNames.size()> kToneWords{
    u"beep", u"musicbox", u"piano", u"guitar", u"trumpet", u"organ"};
constexpr int kBeepEntry = 0;

// The synthesizer sounds each message a moment after it was sent, behind the sound
// server's buffer, and a note fades after its end: the output stays open that long,
// so the last note is heard to its end.
constexpr milliseconds kLastNoteTail{300};
constexpr milliseconds kRedrawInterval{100};

struct PlayArguments {
    QString path;
    std::optional<int> toneEntry;
};

std::expected<PlayArguments, QString> parsePlayArguments(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption tone(QStringLiteral("tone"), QString(), QStringLiteral("NAME"));
    parser.addOption(tone);
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tunewright-cli")} + args))
        return std::unexpected(parser.errorText());
    const QStringList operands = parser.positionalArguments();
    if (operands.size() != 1)
        return std::unexpected(QStringLiteral("wrong number of arguments"));
    PlayArguments parsed{operands[0], std::nullopt};
    if (parser.isSet(tone)) {
        const QString name = parser.value(tone);
        std::optional<int> entry;
        for (std::size_t i = 0; i < ToneNames.size() && !entry; ++i)
            if (name == QStringView(ToneNames[i]) || name.compare(QStringView(kToneWords[i]), Qt::CaseInsensitive) == 0)
                entry = int(i);
        if (!entry) {
            QStringList words;
            for (std::u16string_view word : kToneWords)
                words << QString::fromUtf16(word.data(), qsizetype(word.size()));
            return std::unexpected(QStringLiteral("--tone takes one of %1 or the Tone menu's names")
                                       .arg(words.join(QStringLiteral(", "))));
        }
        parsed.toneEntry = entry;
    }
    return parsed;
}

//! How long the player takes for the whole melody, by its own arithmetic.
milliseconds melodyLength(const Editor& editor, int tempo)
{
    std::int64_t sixteenths = 0;
    for (int row = 1; row < editor.EndRow(); ++row)
        sixteenths += sixteenthsOf(editor.ScoreData()[std::size_t(row)].code);
    return milliseconds(sixteenths * sixteenthMs(tempo));
}

//! The playing row as the list shows it, with the time played and the melody's length.
//! The player waits in every row that takes time, after selecting it, so the caret is
//! read there; a terminal's line also follows the clock between rows.
class PlayProgress {
public:
    PlayProgress(ConsoleEditor& console, milliseconds total)
        : console_(console), total_(total), start_(console.clock().nowMs())
    {
        console_.clock().setBeforeWait([this] {
            const int row = console_.list().caretIndex();
            if (row != shownRow_) {
                shownRow_ = row;
                draw();
            }
        });
        if (line_.onTerminal()) {
            QObject::connect(&redraw_, &QTimer::timeout, [this] { draw(); });
            redraw_.start(kRedrawInterval);
        }
    }

    ~PlayProgress()
    {
        redraw_.stop();
        console_.clock().setBeforeWait({});
        line_.finish();
    }

private:
    void draw()
    {
        const milliseconds elapsed(console_.clock().nowMs() - start_);
        line_.show(QStringLiteral("%1  %2 / %3")
                       .arg(console_.list().caretText().trimmed(), minutesSeconds(elapsed),
                            minutesSeconds(total_)));
    }

    ConsoleEditor& console_;
    milliseconds total_;
    std::int64_t start_;
    int shownRow_ = -1;
    ProgressLine line_;
    QTimer redraw_;
};

//! Ends the note of the row that sounds: the chip has one voice, so it is the only one.
void silencePlayingRow(ConsoleEditor& console)
{
    const int row = console.list().caretIndex() + 1;
    if (row >= 1 && row < console.editor().EndRow())
        console.editor().NoteOff(keyOf(console.editor().ScoreData()[std::size_t(row)].code));
}

} // namespace

int playMelody(const QStringList& args, const UsageError& usageError)
{
    const auto parsed = parsePlayArguments(args);
    if (!parsed)
        return usageError(QStringLiteral("play: ") + parsed.error());

    // Opened before the editor starts, so a missing output is told with its reason, not
    // with the window's words about sound cards.
    FluidSynthMidiOut synth;
    if (!synth.open()) {
        printMessage(QStringLiteral("cannot play %1: %2").arg(parsed->path, synth.lastError()));
        return kNoSoundOutput;
    }
    // Playing sends nothing, but the editor has every port.
    ConsoleTransfer transfer(std::make_unique<PulseWavePlayer>());
    ConsoleEditor console(&synth, transfer);
    if (!console.open(parsed->path))
        return kUsageOrFileError;
    if (parsed->toneEntry == kBeepEntry)
        console.editor().mnuToneBeep_Click();
    else if (parsed->toneEntry)
        console.editor().mnuTone_Click(*parsed->toneEntry);

    // Without rows the player refuses with its own message.
    if (console.editor().EndRow() == 1) {
        console.clickPlay();
        return kCannotProcess;
    }
    const int tempo = TempoItems[std::size_t(console.controls().tempoIndex())].bpm;
    bool interrupted = false;
    {
        PlayProgress progress(console, melodyLength(console.editor(), tempo));
        // As a click on stop does, but silent at once: the row ends in silence.
        const InterruptWatch watch([&] {
            interrupted = true;
            silencePlayingRow(console);
            console.clickPlay();
        });
        console.clickPlay();
    }
    if (interrupted)
        printMessage(QStringLiteral("stopped after row %1").arg(console.editor().CurrentRow()));
    else
        std::this_thread::sleep_for(kLastNoteTail);
    return interrupted ? kInterrupted : kSuccess;
}

} // namespace tw::cli
