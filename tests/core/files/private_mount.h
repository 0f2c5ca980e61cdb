#pragma once
// A small tmpfs mounted over a folder, for a disk that fills up or turns read-only. The mount
// happens in a mount namespace of this process alone, with nothing propagating out, so no
// other process ever sees it and nothing stays mounted once the process ends. Mounting needs
// root; failure() tells why it could not be done.

#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tw::test {

class PrivateMount {
public:
    PrivateMount(const QString& folder, const char* options) : folder_(folder.toLocal8Bit())
    {
        if (geteuid() != 0) {
            failure_ = QStringLiteral("mounting a small disk needs root");
            return;
        }
        if (unshare(CLONE_NEWNS) != 0
            || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            failure_ = QStringLiteral("no mount namespace of our own: ") + strerror(errno);
            return;
        }
        if (mount("tunewright-test", folder_.constData(), "tmpfs", 0, options) != 0) {
            failure_ = QStringLiteral("cannot mount a tmpfs: ") + strerror(errno);
            return;
        }
        mounted_ = true;
    }

    ~PrivateMount()
    {
        if (mounted_)
            umount2(folder_.constData(), MNT_DETACH);
    }

    PrivateMount(const PrivateMount&) = delete;
    PrivateMount& operator=(const PrivateMount&) = delete;

    //! Why the disk is not there; empty when it is.
    const QString& failure() const { return failure_; }

    //! Makes the disk read-only, as a write-protected medium is.
    bool makeReadOnly()
    {
        return mount(nullptr, folder_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    //! Fills the disk to the last byte it takes, with a file `filler` on it.
    void fill() const
    {
        QFile filler(QString::fromLocal8Bit(folder_) + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {}
        while (filler.write("x", 1) > 0) {}
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString failure_;
};

} // namespace tw::test
