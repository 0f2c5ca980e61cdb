#pragma once
// Why a melody file that exists could not be read, in the words the user is told.

#include "shell/message.h"

#include <QString>

namespace tw {

//! The reason for a path that is a folder.
inline const QString kFolderReason = QStringLiteral("フォルダーはファイルとして開けません。");
//! The reason for a device, a pipe or a socket: reading it may never end.
inline const QString kNotAFileReason = QStringLiteral("通常のファイルではありません。");

//! The reason for a failed open or read, from the operating system's error number.
QString readFailureReason(int err);

//! "ファイルを開けませんでした。", the path of the file and the reason, one to a line.
Message readFailureMessage(const QString& path, const QString& reason);

} // namespace tw
