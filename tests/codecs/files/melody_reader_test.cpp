#include "codecs/files/melody_file.h"

#include "codecs/files/cp932.h"
#include "codecs/files/title.h"
#include "support/fail_device.h"
#include "support/printers.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

MelodyReadResult readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto result = readMelodyFile(buffer);
    EXPECT_TRUE(result.has_value()) << result.error().toStdString();
    return result.value_or(MelodyReadResult{});
}

QByteArray sjis(const QString& text)
{
    return cp932::encode(text);
}

QByteArray repeatLine(const QByteArray& line, int times)
{
    return line.repeated(times);
}

// What reading met that the open command tells the user of.
struct Met {
    bool titleCut = false;
    bool truncated = false;
    std::optional<QString> lastInvalidLine;
    friend bool operator==(const Met&, const Met&) = default;
};

void PrintTo(const Met& met, std::ostream* os)
{
    *os << (met.titleCut ? "title cut, " : "") << (met.truncated ? "truncated, " : "")
        << "last invalid line " << (met.lastInvalidLine ? met.lastInvalidLine->toStdString() : "none");
}

Met metIn(const MelodyReadResult& result) { return {result.titleCut, result.truncated, result.lastInvalidLine}; }

const Met kNothing{};
const Met kTruncated{false, true, std::nullopt};

// The lines of a file, seen through the rows they make and the last line refused.
struct Lines {
    const char* name;
    QByteArray bytes;
    std::vector<RowCode> rows;
    std::optional<QString> lastInvalidLine;
};

void PrintTo(const Lines& lines, std::ostream* os)
{
    *os << lines.name;
}

class LineSplitting : public ::testing::TestWithParam<Lines> {};

TEST_P(LineSplitting, EndsLinesAtCrLfAndLoneCrOnly)
{
    const MelodyReadResult result = readBytes(GetParam().bytes);
    EXPECT_EQ(result.rows, GetParam().rows);
    EXPECT_EQ(result.lastInvalidLine, GetParam().lastInvalidLine);
}

INSTANTIATE_TEST_SUITE_P(Files, LineSplitting, ::testing::Values(
    Lines{"Empty", "", {}, {}},
    Lines{"CrLf", "R8\r\nR4\r\n", {991, 992}, {}},
    Lines{"LoneCr", "R8\rR4\r", {991, 992}, {}},
    Lines{"NoFinalLineEnd", "R8\r\nR4", {991, 992}, {}},
    Lines{"EachExtraCrLfIsAnEmptyRow", "R8\r\n\r\n\r\n", {991, 0, 0}, {}},
    Lines{"OnlyALineEnd", "\r\n", {0}, {}},
    Lines{"CrBeforeCrLf", "\r\r\n", {0, 0}, {}},
    Lines{"LoneLfStaysInTheLine", "R8\nR4\r\nR2", {993}, QStringLiteral("R8\nR4")},
    Lines{"LoneLfAtTheEnd", "R2\r\n\n", {993}, QStringLiteral("\n")},
    Lines{"LfCrIsLfThenALineEnd", "R8\n\rR4", {992}, QStringLiteral("R8\n")},
    Lines{"InvalidByteBecomesReplacement", "R8\r\n\x80\r\nR4", {991, 992}, QStringLiteral("\uFFFD")},
    Lines{"BrokenLeadByteKeepsTheLineEnd", "O4C8.\x81\r\nR4", {122, 992}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A device that hands out one byte per read, so every line end and every double-byte
// character of a file is cut between two reads somewhere.
class OneByteAtATime : public QIODevice {
public:
    explicit OneByteAtATime(QByteArray content) : content_(std::move(content))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64) override
    {
        if (next_ == content_.size())
            return 0;
        *data = content_[next_++];
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray content_;
    qsizetype next_ = 0;
};

TEST(ReadMelodyFile, ReadsTheSameWhateverPiecesTheBytesArriveIn)
{
    const QByteArray bytes = "'title=" + sjis(QStringLiteral("①髙～")) + "\r'tempo=150\r\nO4C8\r\n\r\n"
        + "R8\nx\r\x81\r\nO5F1\r\n\r\n";
    OneByteAtATime device(bytes);
    const auto trickled = readMelodyFile(device);
    ASSERT_TRUE(trickled.has_value());
    const MelodyReadResult whole = readBytes(bytes);
    EXPECT_EQ(trickled->rows, whole.rows);
    EXPECT_EQ(trickled->title, whole.title);
    EXPECT_EQ(trickled->tempo, whole.tempo);
    EXPECT_EQ(trickled->lastInvalidLine, whole.lastInvalidLine);
    EXPECT_EQ(metIn(*trickled), metIn(whole));

    EXPECT_EQ(whole.rows, (std::vector<RowCode>{121, 0, 297, 0}));
    EXPECT_EQ(whole.title, QStringLiteral("①髙～"));
    EXPECT_EQ(whole.tempo, 150);
    EXPECT_EQ(metIn(whole), (Met{false, false, QStringLiteral("\uFFFD")}));
}

TEST(ReadMelodyFile, StopsAt500RowsAndSaysSo)
{
    const MelodyReadResult result = readBytes(
        "'tempo=60\r\n" + repeatLine("O4C8\r\n", 600) + "'title=late\r\n'tempo=180\r\n");
    EXPECT_EQ(result.rows, std::vector<RowCode>(500, 121));
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(result.tempo, 60);
    EXPECT_EQ(result.title, std::nullopt);
    EXPECT_EQ(metIn(result), kTruncated);
}

TEST(ReadMelodyFile, SaysSoAlsoWhenTheFileEndsAtThe500thRow)
{
    const MelodyReadResult exactly = readBytes(repeatLine("R4\r\n", 499) + "bad\r\n\r\n");
    EXPECT_EQ(exactly.rows.size(), 500u);
    EXPECT_EQ(metIn(exactly), (Met{false, true, QStringLiteral("bad")}));

    const MelodyReadResult fewer = readBytes(repeatLine("R4\r\n", 499));
    EXPECT_FALSE(fewer.truncated);
    EXPECT_EQ(metIn(fewer), kNothing);
}

TEST(ReadMelodyFile, ClosingMessageNamesTheLastInvalidLine)
{
    const MelodyReadResult result = readBytes(
        "O4C8\r\nfirst bad\r\nR4\r\n'a comment\r\nO4H8\r\nO3F4\r\n");
    EXPECT_EQ(result.rows, (std::vector<RowCode>{121, 992, 53}));
    EXPECT_EQ(result.lastInvalidLine, QStringLiteral("O4H8"));
    EXPECT_EQ(metIn(result), (Met{false, false, QStringLiteral("O4H8")}));
}

TEST(ReadMelodyFile, FileWithoutRowsIsOpened)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("'one\r\n'two")}) {
        const MelodyReadResult result = readBytes(bytes);
        EXPECT_TRUE(result.rows.empty());
        EXPECT_EQ(result.title, std::nullopt);
        EXPECT_EQ(result.tempo, std::nullopt);
        EXPECT_EQ(metIn(result), kNothing);
    }
}

TEST(ReadMelodyFile, LastTitleAndTempoWin)
{
    const MelodyReadResult result = readBytes(
        "'title=first\r\n'tempo=60\r\nR1\r\n'Title=  second \r\n'TEMPO=100\r\n");
    EXPECT_EQ(result.title, QStringLiteral("second"));
    EXPECT_EQ(result.tempo, 90);
}

// A file may hold any number of long title lines: each is cut as the title box cuts it, and
// that one was cut is reported once for the file.
TEST(ReadMelodyFile, ReportsATitleCutAndCutsEveryTitleLikeTheTitleBox)
{
    const QString tooWide = QString(u'曲').repeated(37);
    const QString huge = QString(u'x').repeated(1'000'000);
    const QByteArray titles = "'title=" + sjis(tooWide) + "\r\n'title=" + sjis(huge) + "\r\n";

    const MelodyReadResult longLast = readBytes("R4\r\n" + titles + repeatLine("R8\r\n", 600));
    EXPECT_EQ(longLast.title, cutTitleToLimit(huge));
    EXPECT_EQ(metIn(longLast), (Met{true, true, std::nullopt}));

    const MelodyReadResult shortLast = readBytes(titles + "'title=short\r\nbad\r\n");
    EXPECT_EQ(shortLast.title, QStringLiteral("short"));
    EXPECT_EQ(metIn(shortLast), (Met{true, false, QStringLiteral("bad")}));

    const MelodyReadResult fits = readBytes("'title=" + sjis(QString(u'曲').repeated(32)) + "\r\n");
    EXPECT_EQ(metIn(fits), kNothing);
}

TEST(ReadMelodyFile, CopesWithLinesOfMegabytes)
{
    const QByteArray tail(3'000'000, 'x');
    const MelodyReadResult result = readBytes("O4C8." + tail + "\r\n" + tail);
    EXPECT_EQ(result.rows, std::vector<RowCode>{122});
    EXPECT_EQ(result.lastInvalidLine, QString::fromLatin1(tail));
}

TEST(ReadMelodyFile, ReadsCrLfEvenFromADeviceInTextMode)
{
    QBuffer buffer;
    buffer.setData("R8\r\nR4\r\n");
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    const auto result = readMelodyFile(buffer);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->rows, (std::vector<RowCode>{991, 992}));
    EXPECT_TRUE(buffer.isTextModeEnabled());
}

TEST(ReadMelodyFile, ReportsADeviceThatFailsWhileReading)
{
    FailDevice device(6, "R8\r\nR4\r\nR2\r\n");
    const auto result = readMelodyFile(device);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), QStringLiteral("Input/output error"));
}

// What the save writes, the open reads back: the rows, the tempo and the title without its
// surrounding blanks.
TEST(MelodyFileRoundTrip, ReadsBackWhatWasWritten)
{
    std::vector<RowCode> rows{0, 50, 297, 990, 994, 0, 173, 1, 351};
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(writeMelodyFile(buffer, QStringLiteral(" ①の曲 "), QStringLiteral("150"), rows));
    buffer.seek(0);
    const auto result = readMelodyFile(buffer);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->rows, rows);
    EXPECT_EQ(result->title, QStringLiteral("①の曲"));
    EXPECT_EQ(result->tempo, 150);
    EXPECT_EQ(metIn(*result), kNothing);
}

} // namespace
} // namespace tw
