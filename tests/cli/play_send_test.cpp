// play and send of tunewright-cli through a private sound server: what the
// null sink hears, what a script reads on standard output, and the refusals
// with the editor's messages and the exit statuses.

#include "cli/cli_run.h"
#include "codecs/files/cp932.h"
#include "codecs/files/melody_file.h"
#include "codecs/midi/midi_messages.h"
#include "codecs/transfer/wave_file.h"
#include "support/private_pulse.h"
#include "support/sound_analysis.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <signal.h>
#include <thread>

namespace tw::test {
namespace {

using namespace std::chrono_literals;

class PlayAndSend : public testing::Test {
protected:
    void SetUp() override
    {
        server_.emplace();
        if (!server_->whyNotRunning().isEmpty())
            GTEST_SKIP() << "no private PulseAudio server: " << server_->whyNotRunning().toStdString();
        recorder_.emplace();
        if (!recorder_->start())
            GTEST_SKIP() << "the private server's monitor cannot be recorded (parec)";
        // The server's address is in this process's environment now. The send's temp.wav
        // goes to the session folder, here one of the test's own.
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    }

    //! A melody file of these lines (CR LF, code page 932).
    QString melodyFile(const QString& name, const QStringList& lines) const
    {
        QFile out(dir_.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(cp932::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        return out.fileName();
    }

    //! The recording as a 16-bit mono WAV file, for decode.
    QString recordingFile(const std::vector<float>& samples) const
    {
        WaveHeader header = MakeWaveHeader(MonitorRecorder::kRate, 1, 16);
        header.dataSize = quint32(samples.size() * 2);
        header.riffSize = 36 + header.dataSize;
        QByteArray bytes = waveHeaderBytes(header);
        for (const float sample : samples) {
            const auto value = qToLittleEndian(qint16(std::clamp(sample, -1.0f, 1.0f) * 32767));
            bytes.append(reinterpret_cast<const char*>(&value), 2);
        }
        QFile out(dir_.filePath(QStringLiteral("recording.wav")));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }

    std::optional<PrivatePulseServer> server_;
    std::optional<MonitorRecorder> recorder_;  // after the server: it stops recording before the server ends
    QTemporaryDir dir_;
    QProcessEnvironment environment_;
};

//! The MIDI note each row sounds, read as the editor reads the file.
std::vector<int> notesOf(const QStringList& lines)
{
    QByteArray bytes = cp932::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto melody = readMelodyFile(buffer);
    std::vector<int> notes;
    for (const RowCode code : melody->rows)
        if (isSoundingKey(keyOf(code)))
            notes.push_back(keyOf(code) + kKeyToNote);
    return notes;
}

const QStringList kShortTune{QStringLiteral("'tempo=180"), QStringLiteral("O4C4"), QStringLiteral("R8"),
                             QStringLiteral("O4E4"), QStringLiteral("R8"), QStringLiteral("O5C4")};

TEST_F(PlayAndSend, PlayShowsEveryRowAndTheSinkHearsItsNotes)
{
    const CliRun run = runCli({QStringLiteral("play"), melodyFile(QStringLiteral("tune.tun"), kShortTune),
                               QStringLiteral("--tone"), QStringLiteral("ビープ")}, environment_);
    std::this_thread::sleep_for(100ms);
    const std::vector<float> recording = recorder_->stop();
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());

    // Not a terminal: a plain line for each row as it starts, with the time played and
    // the melody's length (three quarters and two eighths at 180).
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), kShortTune.size() - 1) << run.out.toStdString();
    const QRegularExpression line(QStringLiteral("^(\\d{3})  .*  (\\d):(\\d\\d\\.\\d) / 0:01\\.3$"));
    double previous = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto match = line.match(lines[i]);
        ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(match.captured(1).toInt(), i + 1);
        const double elapsed = match.captured(2).toInt() * 60 + match.captured(3).toDouble();
        EXPECT_GE(elapsed, previous);
        previous = elapsed;
    }
    EXPECT_TRUE(lines[1].contains(QStringLiteral("8分休符"))) << lines[1].toStdString();

    const auto heard = findNotes(recording, 0.1f * peakOf(recording));
    const std::vector<int> notes = notesOf(kShortTune);
    ASSERT_EQ(heard.size(), notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double pitch = fundamentalHz(excerpt(recording, heard[i].startMs + 30, 100));
        EXPECT_NEAR(pitch, midiNoteHz(notes[i]), midiNoteHz(notes[i]) * 0.03) << "note " << i;
    }
}

TEST_F(PlayAndSend, CtrlCEndsTheNoteAtOnceAndStopsAfterTheRow)
{
    // Whole notes at 180 last 1.3 s each.
    const QString tune = melodyFile(QStringLiteral("long.tun"), {QStringLiteral("'tempo=180"),
        QStringLiteral("O4C1"), QStringLiteral("O4E1"), QStringLiteral("O4G1")});
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(cliProgram(), {QStringLiteral("play"), tune, QStringLiteral("--tone"), QStringLiteral("organ")});
    ASSERT_TRUE(process.waitForReadyRead(10000)) << "the first row's line never came";
    std::this_thread::sleep_for(300ms);
    const auto interrupted = SteadyClock::now();
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(5000));
    const auto ended = SteadyClock::now();
    std::this_thread::sleep_for(100ms);
    const std::vector<float> recording = recorder_->stop();

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), QStringLiteral("stopped after row 1\n"));
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("001  ")));
    const double stoppedAfterMs = std::chrono::duration<double, std::milli>(ended - interrupted).count();
    EXPECT_LT(stoppedAfterMs, 1500.0) << "it went on past the row";

    // One note, cut off long before its whole length: the sound ended at the Ctrl+C.
    const auto heard = findNotes(recording, 0.1f * peakOf(recording));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_LT(heard[0].endMs - heard[0].startMs, 900.0);
}

TEST_F(PlayAndSend, SendPlaysTheSignalThatDecodeGivesBack)
{
    const CliRun run = runCli({QStringLiteral("send"), melodyFile(QStringLiteral("tune.tun"), kShortTune)},
                              environment_);
    std::this_thread::sleep_for(200ms);
    const std::vector<float> recording = recorder_->stop();
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());

    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QRegularExpression line(QStringLiteral("^sending \\[[#-]{30}\\] [ \\d]{3}%  \\d:\\d\\d\\.\\d left$"));
    for (const QString& shown : lines)
        EXPECT_TRUE(line.match(shown).hasMatch()) << shown.toStdString();
    EXPECT_EQ(lines.back(), QStringLiteral("sending [%1] 100%  0:00.0 left").arg(QString(30, u'#')));

    const CliRun decoded = runCli({QStringLiteral("decode"), recordingFile(recording)});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
    EXPECT_EQ(decoded.out, QStringLiteral("tempo: 180\n") + kShortTune.sliced(1).join(u'\n') + u'\n');
}

TEST_F(PlayAndSend, RefusalsTellTheEditorsMessagesAndExitAsTheOtherVerbs)
{
    const QString onlyTitle = melodyFile(QStringLiteral("title.tun"), {QStringLiteral("'title=only a title")});
    // O3C8 opens as a note below the keyboard, which the transfer code refuses.
    const QString invalid = melodyFile(QStringLiteral("invalid.tun"), {QStringLiteral("O4C8"), QStringLiteral("O3C8")});
    const QString rows128 = melodyFile(QStringLiteral("long.tun"), QStringList(128, QStringLiteral("O4C8")));
    const QString missing = dir_.filePath(QStringLiteral("missing.tun"));
    const QString play = QStringLiteral("play");
    const QString send = QStringLiteral("send");
    const struct {
        QStringList args;
        bool soundServer;
        int exitCode;
        QString err;
        //! Whether `err` is all of standard error; without a server the synthesizer and the
        //! sound library log their own lines too, and the bar has started when the
        //! transfer finds no server.
        bool all = true;
    } cases[] = {
        {{play, onlyTitle}, true, 1, QStringLiteral("データがありません\n")},
        {{send, onlyTitle}, true, 1, QStringLiteral("データがありません\n")},
        {{send, invalid}, true, 1, QStringLiteral("無効なデータがあります。\n")},
        {{play, missing}, true, 2, QStringLiteral("ファイルが存在しません。\n")},
        {{send, missing}, true, 2, QStringLiteral("ファイルが存在しません。\n")},
        {{play, onlyTitle, QStringLiteral("--tone"), QStringLiteral("kazoo")}, true, 2,
         QStringLiteral("play: --tone takes one of beep, musicbox, piano, guitar, trumpet, organ or the "
                        "Tone menu's names\nusage:"), false},
        {{play}, true, 2, QStringLiteral("play: wrong number of arguments\nusage:"), false},
        {{send}, true, 2, QStringLiteral("send: wrong number of arguments\nusage:"), false},
        {{play, invalid}, false, 3, QStringLiteral("cannot play %1: ").arg(invalid), false},
        // Only the first 127 rows are sent, so row 128's code is never examined.
        {{send, rows128}, false, 3, QStringLiteral("127行目までのデータが送信されます。\n"
                                                   "the transfer signal was not played: "), false},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = environment_;
        if (!c.soundServer)
            environment.insert(QStringLiteral("PULSE_SERVER"),
                               QStringLiteral("unix:") + dir_.filePath(QStringLiteral("no-server")));
        const CliRun run = runCli(c.args, environment);
        const std::string what = c.args.join(u' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        if (c.all) {
            EXPECT_EQ(run.err, c.err) << what;
            EXPECT_EQ(run.out, QString()) << what;
        } else {
            EXPECT_TRUE(run.err.contains(c.err)) << what << ": " << run.err.toStdString();
        }
    }
}

} // namespace
} // namespace tw::test
