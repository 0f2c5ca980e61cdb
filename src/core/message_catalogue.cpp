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

Message importFailure(const QString& path, const QString& reason)
{
    return {QStringLiteral("インポートできません。\r\n%1\r\n\r\n%2").arg(path, reason), MessageIcon::Error};
}

namespace {

QString sourceText(const MidiLineFacts& facts)
{
    return QStringLiteral("MIDIファイル（トラック %1、チャンネル %2、%3音）\r\n"
                          "省いたドラムの音 : %4\r\n"
                          "高い音に重なって省いた音 : %5")
        .arg(facts.chosen.track)
        .arg(facts.chosen.channel)
        .arg(facts.chosen.notes)
        .arg(facts.drumNotes)
        .arg(facts.notesBeneath);
}

QString sourceText(const Ringtone& ringtone)
{
    return QStringLiteral("着信メロディ（%1曲中の%2曲目）").arg(ringtone.count).arg(ringtone.index);
}

} // namespace

Message importReport(const ImportedMelody& melody)
{
    const FittingReport& report = melody.fitted.report;
    const QString source = std::visit([](const auto& s) { return sourceText(s); }, melody.source);
    return {QStringLiteral("インポートしました。\r\n\r\n"
                           "%1\r\n"
                           "テンポ : %2\r\n"
                           "曲全体のオクターブ移動 : %3\r\n"
                           "1音ずつオクターブを移した音 : %4\r\n"
                           "同じ16分音符にまとめた音 : %5\r\n"
                           "16分音符に延ばした音 : %6\r\n"
                           "短くして休符を続けた音 : %7\r\n"
                           "%8行を超えて省いた音 : %9\r\n"
                           "行数 : %10")
                .arg(source)
                .arg(report.tempo)
                .arg(report.octaveShift > 0 ? QStringLiteral("+%1").arg(report.octaveShift)
                                            : QString::number(report.octaveShift))
                .arg(report.notesMovedByOctave)
                .arg(report.notesMerged)
                .arg(report.notesLengthened)
                .arg(report.notesShortened)
                .arg(kMaxRows)
                .arg(report.notesCut)
                .arg(report.rows),
            MessageIcon::Information};
}

} // namespace tw::msg
