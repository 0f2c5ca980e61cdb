#include "files/write_error.h"

#include <cerrno>
#include <utility>

namespace tw {
namespace {

constexpr std::pair<int, WriteErrorKind> kKindByErrno[]{
    {ENOSPC, WriteErrorKind::DiskFull},
    {EDQUOT, WriteErrorKind::DiskFull},
    // A read-only medium, or a file another program holds busy.
    {EROFS, WriteErrorKind::PermissionDenied},
    {ETXTBSY, WriteErrorKind::PermissionDenied},
    {EBUSY, WriteErrorKind::PermissionDenied},
    // Access refused, or a path that leads nowhere usable.
    {EACCES, WriteErrorKind::PathAccess},
    {EPERM, WriteErrorKind::PathAccess},
    {ENOENT, WriteErrorKind::PathAccess},
    {ENOTDIR, WriteErrorKind::PathAccess},
    {EISDIR, WriteErrorKind::PathAccess},
    {ENAMETOOLONG, WriteErrorKind::PathAccess},
    {ELOOP, WriteErrorKind::PathAccess},
};

} // namespace

WriteError writeErrorFromErrno(int err)
{
    for (const auto& [number, kind] : kKindByErrno)
        if (number == err)
            return {kind, int(kind)};
    return {WriteErrorKind::Other, err};
}

Message writeErrorMessage(const WriteError& error)
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
    return {QStringLiteral("書き込みに失敗しました。\r\nエラーコード : %1").arg(error.code),
            MessageIcon::Information};
}

} // namespace tw
