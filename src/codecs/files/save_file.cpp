#include "codecs/files/save_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace tw {
namespace {

// errno names the cause of a failed open or commit, except for a folder: QSaveFile refuses a
// folder as the target before any system call fails.
WriteError failureOf(const QString& path, WriteStep step)
{
    const int err = errno;
    WriteError error = writeErrorFromErrno(err != 0 ? err : QFileInfo(path).isDir() ? EISDIR : EIO);
    error.step = step;
    return error;
}

} // namespace

std::expected<void, WriteError> saveFile(const QString& path, const DeviceWriter& write)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return std::unexpected(failureOf(path, WriteStep::Open));
    // Leaving without commit() discards the temporary file; the target is never touched.
    if (auto written = write(file); !written)
        return written;
    errno = 0;
    if (!file.commit())
        return std::unexpected(failureOf(path, WriteStep::Commit));
    return {};
}

} // namespace tw
