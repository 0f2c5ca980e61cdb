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
    PrivateMount(const QString& folder, const char* options) : m_folder(folder.toLocal8Bit())
    {
        if (geteuid() != 0) {
            m_failure = QStringLiteral("mounting a small disk needs root");
            return;
        }
        if (unshare(CLONE_NEWNS) != 0
            || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            m_failure = QStringLiteral("no mount namespace of our own: ") + strerror(errno);
            return;
        }
        if (mount("tunewright-test", m_folder.constData(), "tmpfs", 0, options) != 0) {
            m_failure = QStringLiteral("cannot mount a tmpfs: ") + strerror(errno);
            return;
        }
        m_mounted = true;
    }

    ~PrivateMount()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }

    PrivateMount(const PrivateMount&) = delete;
    PrivateMount& operator=(const PrivateMount&) = delete;

    //! Why the disk is not there; empty when it is.
    const QString& failure() const { return m_failure; }

    //! Makes the disk read-only, as a write-protected medium is.
    bool makeReadOnly()
    {
        return mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    //! Fills the disk to the last byte it takes, with a file `filler` on it.
    void fill() const
    {
        QFile filler(QString::fromLocal8Bit(m_folder) + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {}
        while (filler.write("x", 1) > 0) {}
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_failure;
};

} // namespace tw::test
