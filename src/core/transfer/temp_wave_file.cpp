#include "core/transfer/temp_wave_file.h"

#include "codecs/transfer/wave_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tw {
namespace {

//! A file descriptor that is closed once; the close's own failure is reported,
//! since a file system may tell only then that the data did not fit.
class OwnedFd {
public:
    explicit OwnedFd(int fd) : fd_(fd) {}
    ~OwnedFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;

    int get() const { return fd_; }

    //! Closes the descriptor; the errno of a failed close.
    std::expected<void, int> close()
    {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0)
            return std::unexpected(errno);
        return {};
    }

private:
    int fd_;
};

std::unexpected<WriteError> failure(int err)
{
    return std::unexpected(writeErrorFromErrno(err));
}

} // namespace

QString CutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.first(nul);
}

std::expected<void, WriteError> writeTempWave(const QString& path, const SendTable& table,
                                              int tempoItemData)
{
    const QByteArray native = QFile::encodeName(path);

    // In a folder with the sticky bit, another user's file or link cannot be
    // deleted: the send stops here instead of writing into it.
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        return failure(errno);

    // Only a new file: should another one appear between the delete and the
    // create, or a link be put in its place, the create fails rather than follow it.
    OwnedFd fd(::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return failure(errno);

    {
        QFile file;
        if (!file.open(fd.get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return failure(EIO);
        if (auto written = writeTransferWave(file, table, tempoItemData); !written)
            return written;
    }
    if (auto closed = fd.close(); !closed)
        return failure(closed.error());
    return {};
}

} // namespace tw
