#include "codecs/files/write_error.h"

#include <QFileDevice>
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

WriteError writeErrorOf(const QIODevice& device)
{
    const int err = errno;
    if (qobject_cast<const QFileDevice*>(&device) && err != 0)
        return writeErrorFromErrno(err);
    return writeErrorFromErrno(EIO);
}

WriteError writeErrorFromErrno(int err)
{
    for (const auto& [number, kind] : kKindByErrno)
        if (number == err)
            return {kind, int(kind), err};
    return {WriteErrorKind::Other, err, err};
}

std::expected<void, WriteError> flushWrites(QIODevice& device)
{
    errno = 0;
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush())
        return std::unexpected(writeErrorOf(device));
    return {};
}

std::expected<void, WriteError> writeAll(QIODevice& device, const QByteArray& bytes)
{
    errno = 0;
    if (device.write(bytes) != bytes.size())
        return std::unexpected(writeErrorOf(device));
    return flushWrites(device);
}

} // namespace tw
