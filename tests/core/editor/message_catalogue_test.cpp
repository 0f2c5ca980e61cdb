// The messages made of what the readers and writers report.

#include "core/message_catalogue.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct KindMessage {
    WriteError error;
    Message message;
};

class WriteFailureMessage : public ::testing::TestWithParam<KindMessage> {};

TEST_P(WriteFailureMessage, NamesTheKind)
{
    EXPECT_EQ(msg::writeFailure(GetParam().error), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteFailureMessage, ::testing::Values(
    KindMessage{{WriteErrorKind::DiskFull, 61},
                {QStringLiteral("ディスクがいっぱいです。"), MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::PermissionDenied, 70},
                {QStringLiteral("書き込み禁止になっています。\r\n"
                                "書き込み禁止のディスクにファイルを保存することは出来ません"),
                 MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::PathAccess, 75},
                {QStringLiteral("書き込み権限がありません。\r\nもしくは、パスの指定が違います。"),
                 MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::Other, 5},
                {QStringLiteral("書き込みに失敗しました。\r\nエラーコード : 5"),
                 MessageIcon::Information}}));

const Message kOpened{QStringLiteral("ファイルを開きました。")};
const Message kRowLimit{QStringLiteral("500行を超えた部分は読み込まれません。"), MessageIcon::Error};
const Message kTitleLimit{QStringLiteral("タイトルは全角32文字分までです。")};

Message invalidLines(const QString& lastLine)
{
    return {QStringLiteral("ファイルに不正な行が含まれています。\r\n\r\n") + lastLine};
}

struct ReportCase {
    const char* name;
    bool titleCut;
    bool truncated;
    std::optional<QString> lastInvalidLine;
    std::vector<Message> whileReading;
    std::optional<Message> closing;
};

class ReadingReportTest : public ::testing::TestWithParam<ReportCase> {};

// The title limit once, the row limit instead of any closing message, else the closing one.
TEST_P(ReadingReportTest, TellsWhatReadingMetInTheOpenCommandsOrder)
{
    MelodyReadResult read;
    read.titleCut = GetParam().titleCut;
    read.truncated = GetParam().truncated;
    read.lastInvalidLine = GetParam().lastInvalidLine;

    const msg::ReadingReport report = msg::readingReport(read);

    EXPECT_EQ(report.whileReading, GetParam().whileReading);
    EXPECT_EQ(report.closing, GetParam().closing);
}

INSTANTIATE_TEST_SUITE_P(, ReadingReportTest, ::testing::Values(
    ReportCase{"Clean", false, false, std::nullopt, {}, kOpened},
    ReportCase{"InvalidLine", false, false, QStringLiteral("O4H8"), {}, invalidLines(QStringLiteral("O4H8"))},
    ReportCase{"Truncated", false, true, QStringLiteral("bad"), {kRowLimit}, std::nullopt},
    ReportCase{"TitleCutThenTruncated", true, true, std::nullopt, {kTitleLimit, kRowLimit}, std::nullopt},
    ReportCase{"TitleCutAndInvalid", true, false, QStringLiteral("bad"), {kTitleLimit}, invalidLines(QStringLiteral("bad"))}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw
