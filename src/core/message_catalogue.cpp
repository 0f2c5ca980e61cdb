#include "core/message_catalogue.h"

#include <cerrno>

namespace tw::msg {
namespace {

//! Written as the write failures show a cause they have no words for.
QString errorCode(int err) { return QStringLiteral("エラーコード : %1").arg(err); }

QString readReason(const ReadFailure& failure)
{
    switch (failure.kind) {
    case ReadFailure::Kind::Folder:
        return QStringLiteral("フォルダーはファイルとして開けません。");
    case ReadFailure::Kind::NotAFile:
        return QStringLiteral("通常のファイルではありません。");
    case ReadFailure::Kind::System:
        break;
    }
    switch (failure.err) {
    case EACCES:
    case EPERM:
        return QStringLiteral("読み込みの権限がありません。");
    case EIO:
        return QStringLiteral("読み込み中に入出力エラーが発生しました。");
    default:
        return errorCode(failure.err);
    }
}

} // namespace

ReadingReport readingReport(const MelodyReadResult& melody)
{
    ReadingReport report;
    if (melody.titleCut)
        report.whileReading.push_back({kTitleLimit});
    if (melody.truncated) {
        report.whileReading.push_back({kReadRowLimit, MessageIcon::Error});
        return report;
    }
    report.closing = Message{melody.lastInvalidLine
                                 ? kInvalidLines + QStringLiteral("\r\n\r\n") + *melody.lastInvalidLine
                                 : kFileOpened};
    return report;
}

Message readFailure(const QString& path, const ReadFailure& failure)
{
    return {QStringLiteral("ファイルを開けませんでした。\r\n%1\r\n%2").arg(path, readReason(failure)),
            MessageIcon::Warning};
}

Message writeFailure(const WriteError& error)
{
    switch (error.kind) {
    case WriteErrorKind::DiskFull:
        return {QStringLiteral("ディスクがいっぱいです。"), MessageIcon::Warning};
    case WriteErrorKind::PermissionDenied:
        return {QStringLiteral("書き込み禁止になっています。\r\n"
                               "書き込み禁止のディスクにファイルを保存することは出来ません"),
                MessageIcon::Warning};
    case WriteErrorKind::PathAccess:
        return {QStringLiteral("書き込み権限がありません。\r\nもしくは、パスの指定が違います。"),
                MessageIcon::Warning};
    case WriteErrorKind::Other:
        break;
    }
    return {QStringLiteral("書き込みに失敗しました。\r\n") + errorCode(error.code), MessageIcon::Information};
}

} // namespace tw::msg
