#include "cli/console.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tw::cli {
namespace {

void writeUtf8(std::FILE* stream, QString text)
{
    const QByteArray bytes = text.append(u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString cannot(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("cannot %1 %2: %3").arg(what, path, reason);
}

// The cause of a failed write, from the kind the writer reports.
QString writeReason(const WriteError& error)
{
    switch (error.kind) {
    case WriteErrorKind::DiskFull:
        return systemReason(ENOSPC);
    case WriteErrorKind::PermissionDenied:
        return QStringLiteral("the medium is write-protected or the file is in use");
    case WriteErrorKind::PathAccess:
        return systemReason(EACCES);
    case WriteErrorKind::Other:
        break;
    }
    return systemReason(error.code);
}

} // namespace

void printLine(const QString& line) { writeUtf8(stdout, line); }

void printMessage(const QString& message)
{
    writeUtf8(stderr, QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

std::expected<std::unique_ptr<QFile>, QString> openInput(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return std::unexpected(cannot(QStringLiteral("read"), path, QStringLiteral("it is a folder")));
    auto file = std::make_unique<QFile>(path);
    errno = 0;
    if (!file->open(QIODevice::ReadOnly))
        return std::unexpected(cannot(QStringLiteral("read"), path,
                                      errno != 0 ? systemReason(errno) : file->errorString()));
    return file;
}

std::expected<void, QString> writeOutput(const QString& path, const DeviceWriter& write)
{
    if (QFileInfo(path).isDir())
        return std::unexpected(cannot(QStringLiteral("write"), path, QStringLiteral("it is a folder")));
    const auto saved = saveFile(path, write);
    if (!saved) {
        // A failed open or commit is told by the system's own words; a failed write by its kind.
        const WriteError& error = saved.error();
        return std::unexpected(cannot(QStringLiteral("write"), path,
                                      error.step == WriteStep::Write ? writeReason(error)
                                                                     : systemReason(error.systemError)));
    }
    return {};
}

} // namespace tw::cli
