#pragma once
// The boxes that tell why a file could not be written. The save and the send
// write their files the same way and tell the same faults with them.

#include "core/message.h"

#include <cerrno>

namespace tw::test {

inline const Message kDiskFull{QStringLiteral("ディスクがいっぱいです。"), MessageIcon::Warning};
inline const Message kWriteProtected{QStringLiteral("書き込み禁止になっています。\r\n"
                                                    "書き込み禁止のディスクにファイルを保存することは出来ません"),
                                     MessageIcon::Warning};
inline const Message kNoPermissionOrPath{
    QStringLiteral("書き込み権限がありません。\r\nもしくは、パスの指定が違います。"), MessageIcon::Warning};
inline const Message kFileTooLarge{QStringLiteral("書き込みに失敗しました。\r\nエラーコード : %1").arg(EFBIG),
                                   MessageIcon::Information};

} // namespace tw::test
