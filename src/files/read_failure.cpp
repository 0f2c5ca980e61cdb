#include "files/read_failure.h"

#include <cerrno>

namespace tw {

QString readFailureReason(int err)
{
    switch (err) {
    case EACCES:
    case EPERM:
        return QStringLiteral("読み込みの権限がありません。");
    case EIO:
        return QStringLiteral("読み込み中に入出力エラーが発生しました。");
    default:
        // Written as the write failures show a cause they have no words for.
        return QStringLiteral("エラーコード : %1").arg(err);
    }
}

Message readFailureMessage(const QString& path, const QString& reason)
{
    return {QStringLiteral("ファイルを開けませんでした。\r\n%1\r\n%2").arg(path, reason),
            MessageIcon::Warning};
}

} // namespace tw
