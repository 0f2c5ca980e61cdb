// tunewright-cli as a script sees it: its output, its exit status, the files it writes.

#include "codecs/files/cp932.h"
#include "codecs/midi/midi_file_writer.h"
#include "codecs/transfer/wave_file.h"
#include "cli/cli_run.h"
#include "support/printers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <unistd.h>

namespace tw {
namespace {

class CliTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    //! A melody file of these lines, each ended by CR LF, in code page 932.
    QString melodyFile(const QString& name, const QStringList& lines) const
    {
        return file(name, cp932::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    QString file(const QString& name, const QByteArray& bytes) const
    {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }

    static QByteArray contents(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

QString rowLines(int first, int last, const QString& fields)
{
    QString lines;
    for (int row = first; row <= last; ++row)
        lines += QStringLiteral(" %1  ").arg(row, 3, 10, QLatin1Char('0')) + fields + u'\n';
    return lines;
}

TEST_F(CliTest, ShowPrintsWhatTheEditorShowsAfterOpening)
{
    const QString melody = melodyFile(QStringLiteral("song.tun"), {
        QStringLiteral("'title=  テスト曲 "), QStringLiteral("'tempo=100"), QStringLiteral("O4C4."),
        QString(), QStringLiteral("R4"), QStringLiteral("'a remark"), QStringLiteral("O5F1")});
    const CliRun run = runCli({QStringLiteral("show"), melody});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.toStdString(),
              QStringLiteral("title: テスト曲\n"
                             "tempo: 90\n"
                             " 001  　 ド　　 付点4分音符\n"
                             " 002            \n"
                             " 003                4分休符\n"
                             " 004  ↑ ファ　      全音符\n").toStdString());
    EXPECT_EQ(run.err.toStdString(), "ファイルを開きました。\n");
}

TEST_F(CliTest, ShowEndsItsMessagesWithTheLastInvalidLine)
{
    const QString melody = melodyFile(QStringLiteral("bad.tun"), {
        QStringLiteral("O4C8"), QStringLiteral("O6C8"), QStringLiteral("R8"),
        QStringLiteral("O4H8"), QStringLiteral("O4D8")});
    const CliRun run = runCli({QStringLiteral("show"), melody});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.toStdString(),
              QStringLiteral("title: 無題\n"
                             "tempo: 120\n"
                             " 001  　 ド　　     8分音符\n"
                             " 002                8分休符\n"
                             " 003  　 レ　　     8分音符\n").toStdString());
    EXPECT_EQ(run.err.toStdString(), "ファイルに不正な行が含まれています。\n\nO4H8\n");
}

TEST_F(CliTest, ShowStopsAt500Rows)
{
    QStringList lines(600, QStringLiteral("O4C8"));
    lines.append(QStringLiteral("'title=never read"));
    const CliRun run = runCli({QStringLiteral("show"), melodyFile(QStringLiteral("long.tun"), lines)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("title: 無題\ntempo: 120\n")
                           + rowLines(1, 500, QStringLiteral("　 ド　　     8分音符")));
    EXPECT_EQ(run.err.toStdString(), "500行を超えた部分は読み込まれません。\n");
}

TEST_F(CliTest, ShowTellsOnceThatTitlesWereCut)
{
    const QString wide(40, QChar(u'曲'));
    const CliRun run = runCli({QStringLiteral("show"),
                            melodyFile(QStringLiteral("wide.tun"),
                                       {QStringLiteral("'title=") + wide, QStringLiteral("'title=") + wide})});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("title: ") + wide.first(32) + u'\n'));
    EXPECT_EQ(run.err.toStdString(), "タイトルは全角32文字分までです。\nファイルを開きました。\n");
}

TEST_F(CliTest, ConvertToTunWritesWhatTheSaveWrites)
{
    // Blanks around the title, a lone CR and CR LF ending lines, a comment, an empty row, a
    // lone LF that stays in its line and makes it invalid, a tempo that snaps to 150, and a
    // last line without a line end.
    const QString in = file(QStringLiteral("in.tun"),
                            cp932::encode(QStringLiteral("'TITLE= 歓喜の歌 \r'x\r\nR16\r\n\r\nR16\n\r"
                                                         "'tempo=140\r\nO4E4")));
    const CliRun run = runCli({QStringLiteral("convert"), in, path(QStringLiteral("out.tun"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err.toStdString(), "ファイルに不正な行が含まれています。\n\nR16\n\n");
    EXPECT_EQ(contents(path(QStringLiteral("out.tun"))),
              cp932::encode(QStringLiteral("'title=歓喜の歌\r\n'tempo=150\r\nR16\r\n\r\nO4E4\r\n")));
}

QByteArray transferWaveOf(const std::vector<RowCode>& rows, int tempoItemData)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(writeTransferWave(buffer, *EncodeMelody(rows), tempoItemData).has_value());
    return buffer.data();
}

quint32 le32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

TEST_F(CliTest, ConvertToWavWritesTheSendCommandsFile)
{
    struct Case {
        QStringList lines;
        std::vector<RowCode> rows;
        int tempoItemData;
        qsizetype size;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {{QStringLiteral("'tempo=120"), QStringLiteral("O3F4")}, {53}, 101, 4129, "row frames: 1\n", ""},
        {{QString(), QString()}, {0, 0}, 101, 44 + 3524, "row frames: 0\n", ""},
        {{QStringLiteral("'tempo=60"), QStringLiteral("O4E4"), QString(), QStringLiteral("R1")},
         {163, 0, 994}, 11, -1, "row frames: 2\n", ""},
        {QStringList(127, QStringLiteral("O5C2")), std::vector<RowCode>(127, 245), 101, -1,
         "row frames: 127\n", ""},
        {QStringList(200, QStringLiteral("O5C2")), std::vector<RowCode>(127, 245), 101, -1,
         "row frames: 127\n", "127行目までのデータが送信されます。\n"},
    };
    for (const Case& c : cases) {
        const QString out = path(QStringLiteral("out.wav"));
        const CliRun run = runCli({QStringLiteral("convert"), melodyFile(QStringLiteral("in.tun"), c.lines), out});
        EXPECT_EQ(run.exitCode, 0) << c.out;
        EXPECT_EQ(run.out.toStdString(), c.out);
        EXPECT_EQ(run.err.toStdString(), c.err) << c.out;
        const QByteArray written = contents(out);
        EXPECT_EQ(written, transferWaveOf(c.rows, c.tempoItemData)) << c.out;
        if (c.size >= 0) {
            EXPECT_EQ(written.size(), c.size);
            EXPECT_EQ(le32At(written, 4), quint32(c.size - 8));
            EXPECT_EQ(le32At(written, 40), quint32(c.size - 44));
        }
    }
}

TEST_F(CliTest, ConvertRefusesWhatTheEditorWouldNotSend)
{
    struct Case {
        QStringList lines;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {{QStringLiteral("'title=only a title")}, "out.wav", "データがありません\n"},
        {{QStringLiteral("'title=only a title")}, "out.tun", "データがありません\n"},
        // O3C8 opens as a note below the keyboard, which the transfer code refuses.
        {{QStringLiteral("O4C8"), QStringLiteral("O3C8")}, "out.wav", "無効なデータがあります。\n"},
        {QStringList(127, QStringLiteral("O4C8")) + QStringList{QStringLiteral("O3C8")}, "out.wav",
         "127行目までのデータが送信されます。\n"},
    };
    for (const Case& c : cases) {
        const QString out = path(QString::fromLatin1(c.out));
        QFile::remove(out);
        const CliRun run = runCli({QStringLiteral("convert"), melodyFile(QStringLiteral("in.tun"), c.lines), out});
        if (c.lines.size() > 127) {
            // Row 128 is never sent, so its invalid code is never examined.
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.err.toStdString(), c.err);
            continue;
        }
        EXPECT_EQ(run.exitCode, 1) << c.err;
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(run.err.toStdString(), c.err);
        EXPECT_FALSE(QFile::exists(out)) << c.out;
    }
}

// The note lines and the tempo of a melody file, as decode prints them.
QString decodeOutputFor(const QString& melodyPath)
{
    QFile in(melodyPath);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QString expected = QStringLiteral("tempo: 120\n");
    for (const QByteArray& line : in.readAll().split('\n'))
        if (line.startsWith('O') || line.startsWith('R'))
            expected += QString::fromLatin1(line.trimmed()) + u'\n';
    return expected;
}

TEST_F(CliTest, DecodeOfConvertsOutputGivesBackTheMelody)
{
    const QString example = QStringLiteral(TUNEWRIGHT_SOURCE_DIR "/examples/ode-to-joy.tun");
    const QString wave = path(QStringLiteral("ode.wav"));
    ASSERT_EQ(runCli({QStringLiteral("convert"), example, wave}).exitCode, 0);
    const CliRun run = runCli({QStringLiteral("decode"), wave});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, decodeOutputFor(example));
    EXPECT_EQ(run.err, QString());
}

TEST_F(CliTest, DecodeSaysWhyItHearsNoMessage)
{
    QByteArray silence = transferWaveOf({}, 101);
    silence.replace(44, silence.size() - 44, QByteArray(silence.size() - 44, char(128)));
    const QString wave = file(QStringLiteral("silence.wav"), silence);
    const CliRun run = runCli({QStringLiteral("decode"), wave});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QStringLiteral("cannot decode %1: no preamble: the recording holds no tone "
                                      "bursts\n").arg(wave));
}

TEST_F(CliTest, UsageAndFileErrorsExitWith2)
{
    QDir(path(QString())).mkdir(QStringLiteral("folder.wav"));
    const QString melody = melodyFile(QStringLiteral("in.tun"), {QStringLiteral("O4C8")});
    const QString missing = path(QStringLiteral("missing.tun"));
    const QString folder = path(QStringLiteral("folder.wav"));
    const QString intoMissingFolder = path(QStringLiteral("nowhere/out.wav"));
    const struct {
        QStringList args;
        QString err;  // the start of what standard error says
    } cases[] = {
        {{}, QStringLiteral("no verb given\nusage: tunewright-cli")},
        {{QStringLiteral("record"), melody}, QStringLiteral("unknown verb record\n")},
        {{QStringLiteral("show")}, QStringLiteral("show: wrong number of arguments\n")},
        {{QStringLiteral("convert"), melody}, QStringLiteral("convert: wrong number of arguments\n")},
        {{QStringLiteral("decode"), folder, folder}, QStringLiteral("decode: wrong number of arguments\n")},
        {{QStringLiteral("convert"), melody, path(QStringLiteral("out.mp3"))},
         path(QStringLiteral("out.mp3")) + QStringLiteral(": the output must end in .tun (a melody "
                                                          "file), .wav (the transfer audio) or .mid "
                                                          "(a MIDI file)\n")},
        {{QStringLiteral("show"), missing},
         QStringLiteral("cannot read %1: No such file or directory\n").arg(missing)},
        {{QStringLiteral("convert"), missing, path(QStringLiteral("out.tun"))},
         QStringLiteral("cannot read %1: No such file or directory\n").arg(missing)},
        {{QStringLiteral("decode"), folder}, QStringLiteral("cannot read %1: it is a folder\n").arg(folder)},
        {{QStringLiteral("decode"), melody}, QStringLiteral("cannot read %1: not a RIFF/WAVE file\n").arg(melody)},
        {{QStringLiteral("convert"), melody, folder}, QStringLiteral("cannot write %1: it is a folder\n").arg(folder)},
        {{QStringLiteral("convert"), melody, intoMissingFolder},
         QStringLiteral("cannot write %1: No such file or directory\n").arg(intoMissingFolder)},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(intoMissingFolder));
    EXPECT_EQ(QDir(path(QString())).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("in.tun")}) << "no output or temporary file is left";
}

TEST_F(CliTest, AnUnreadableFileIsNamedWithTheReason)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    const QString melody = melodyFile(QStringLiteral("locked.tun"), {QStringLiteral("O4C8")});
    QFile::setPermissions(melody, QFileDevice::WriteOwner);
    const CliRun run = runCli({QStringLiteral("show"), melody});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QStringLiteral("cannot read %1: Permission denied\n").arg(melody));
}

TEST_F(CliTest, HelpListsTheVerbs)
{
    const CliRun run = runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    for (const char* verb : {"show FILE.tun", "convert IN.tun OUT.tun", "convert IN.tun OUT.wav",
                             "convert IN.tun OUT.mid", "decode IN.wav",
                             "import IN.mid|IN.txt OUT.tun [--track N] [--tune NAME]",
                             "play FILE.tun [--tone NAME]", "send FILE.tun", "--help"})
        EXPECT_TRUE(run.out.contains(QLatin1StringView(verb))) << verb;
}

TEST_F(CliTest, ConvertToMidWritesWhatThePlayerPlays)
{
    const QString in = melodyFile(QStringLiteral("in.tun"), {
        QStringLiteral("'title=歓喜の歌"), QStringLiteral("'tempo=150"), QStringLiteral("O4E4"), QStringLiteral("R8"),
        QStringLiteral("O5F16")});
    const CliRun run = runCli({QStringLiteral("convert"), in, path(QStringLiteral("out.mid"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(contents(path(QStringLiteral("out.mid"))),
              midiFileBytes(QStringLiteral("歓喜の歌"), 150, TonePrograms[0], std::vector<RowCode>{163, 991, 290}));
}

TEST_F(CliTest, ImportWritesTheFittedMelodyAndTellsHow)
{
    const QString in = file(QStringLiteral("tunes.txt"), "One:d=4,o=5,b=100:c\nScale:d=4,o=5,b=120:c,8d,8e,p,2g\n");
    const QString out = path(QStringLiteral("out.tun"));
    const CliRun run = runCli({QStringLiteral("import"), in, out, QStringLiteral("--tune"), QStringLiteral("scale")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err.toStdString(),
              "source: RTTTL ringtone 2 of 2, 120 beats per minute\n"
              "title: Scale\n"
              "tempo: 120 (note starts and ends 0 ms from the tune's in all)\n"
              "octave shift of the whole tune: 0\n"
              "notes moved by octaves one by one: 0\n"
              "notes merged on one sixteenth: 0\n"
              "notes lengthened to a sixteenth: 0\n"
              "notes shortened, rests after them: 0\n"
              "notes dropped past row 500: 0\n"
              "rows: 5\n");
    // c5 is MIDI note 72, key 12, which melody files call O4C.
    EXPECT_EQ(contents(out).toStdString(), "'title=Scale\r\n'tempo=120\r\nO4C4\r\nO4D8\r\nO4E8\r\nR4\r\nO4G2\r\n");
}

TEST_F(CliTest, ImportCutsAt500RowsWithTheOpenCommandsMessage)
{
    const QString in = file(QStringLiteral("long.txt"), "Long:d=4,o=5,b=120:" + QByteArray("c,").repeated(600) + "c");
    const CliRun run = runCli({QStringLiteral("import"), in, path(QStringLiteral("out.tun"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("notes dropped past row 500: 101\n")));
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("rows: 500\n500行を超えた部分は読み込まれません。\n"))) << run.err.toStdString();
}

TEST_F(CliTest, ImportRefusesBadInputAndBadArguments)
{
    const QString empty = file(QStringLiteral("empty.mid"), QByteArray());
    const QString cut = file(QStringLiteral("cut.mid"), QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\xFF\xFF\xFF\xFF\0\x90", 24));
    const QString out = path(QStringLiteral("out.tun"));
    const struct {
        QStringList args;
        int exitCode;
        QString err;  // the start of what standard error says
    } cases[] = {
        {{QStringLiteral("import"), empty, out}, 1, QStringLiteral("cannot import %1: it is empty\n").arg(empty)},
        {{QStringLiteral("import"), cut, out}, 1,
         QStringLiteral("cannot import %1: the file ends inside track 1, which claims more bytes than the file "
                        "has left\n").arg(cut)},
        {{QStringLiteral("import"), empty}, 2, QStringLiteral("import: wrong number of arguments\nusage: ")},
        {{QStringLiteral("import"), empty, out, QStringLiteral("--speed")}, 2,
         QStringLiteral("import: Unknown option 'speed'.\nusage: ")},
        {{QStringLiteral("import"), empty, out, QStringLiteral("--track"), QStringLiteral("0")}, 2,
         QStringLiteral("import: --track takes a track number from 1\n")},
        {{QStringLiteral("import"), empty, path(QStringLiteral("out.wav"))}, 2,
         path(QStringLiteral("out.wav")) + QStringLiteral(": the output must end in .tun (a melody file)\n")},
        {{QStringLiteral("import"), path(QStringLiteral("missing.mid")), out}, 2,
         QStringLiteral("cannot read %1: No such file or directory\n").arg(path(QStringLiteral("missing.mid")))},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
} // namespace tw
