#include "codecs/files/melody_file.h"

#include "codecs/files/cp932.h"
#include "support/fail_device.h"
#include "support/printers.h"
#include "write_error_printer.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

#include <array>
#include <cerrno>

namespace tw {
namespace {

QByteArray sjis(const char16_t* text)
{
    return cp932::encode(QString::fromUtf16(text));
}

QByteArray written(const QString& title, const QString& tempo, std::span<const RowCode> rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const auto result = writeMelodyFile(buffer, title, tempo, rows);
    EXPECT_TRUE(result.has_value());
    return buffer.data();
}

TEST(WriteMelodyFile, WritesTitleTempoAndOneLinePerRowInCodePage932WithCrLf)
{
    const std::array<RowCode, 3> rows{124, 0, 992};
    EXPECT_EQ(written(QStringLiteral("テスト曲"), QStringLiteral("90"), rows),
              "'title=" + sjis(u"テスト曲") + "\r\n'tempo=90\r\nO4C4.\r\n\r\nR4\r\n");
}

TEST(WriteMelodyFile, KeepsTheTitleAsItIsAndMarksWhatCodePage932Lacks)
{
    const std::array<RowCode, 2> rows{297, kPendingRow};
    EXPECT_EQ(written(QString::fromUtf16(u"  ①曲\U0001F600 "), QStringLiteral("180"), rows),
              "'title=  " + sjis(u"①曲") + "? \r\n'tempo=180\r\nO5F1\r\nO11D+\r\n");
    EXPECT_EQ(written(QString(), QStringLiteral("120"), {}), "'title=\r\n'tempo=120\r\n");
}

// Whatever byte the device stops at, the writer says so, and a device large enough takes all.
TEST(WriteMelodyFile, ReportsADeviceThatStopsTakingBytes)
{
    const std::array<RowCode, 4> rows{121, 990, 0, 53};
    const QByteArray whole = written(QStringLiteral("曲"), QStringLiteral("60"), rows);
    for (qint64 room = 0; room < whole.size(); ++room) {
        FailDevice device(room);
        const auto result = writeMelodyFile(device, QStringLiteral("曲"), QStringLiteral("60"), rows);
        ASSERT_FALSE(result.has_value()) << "room " << room;
        EXPECT_EQ(result.error(), (WriteError{WriteErrorKind::Other, EIO, EIO})) << "room " << room;
    }
    FailDevice roomy(whole.size());
    EXPECT_TRUE(writeMelodyFile(roomy, QStringLiteral("曲"), QStringLiteral("60"), rows).has_value());
    EXPECT_EQ(roomy.written(), whole);
}

TEST(WriteMelodyFile, ReportsAFullDiskAsDiskFull)
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "/dev/full is not available";
    const std::array<RowCode, 1> rows{121};
    const auto result = writeMelodyFile(full, QStringLiteral("曲"), QStringLiteral("120"), rows);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), (WriteError{WriteErrorKind::DiskFull, 61, ENOSPC}));
}

} // namespace
} // namespace tw
