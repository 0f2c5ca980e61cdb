#pragma once
// Permissions bind every user but root, and the tests may run as root. While an
// UnprivilegedUser lives, a root process acts as "nobody": its real and effective ids change
// (access(), which Qt asks whether a file is writable, goes by the real ones), the saved ones
// stay root, so the destructor can switch back. A process that is not root is bound by
// permissions already and stays as it is.

#include <QString>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

namespace tw::test {

class UnprivilegedUser {
public:
    UnprivilegedUser()
    {
        if (geteuid() != 0)
            return;
        if (setresgid(gid(), gid(), 0) != 0) {
            failure_ = QStringLiteral("cannot switch to the group of nobody");
            return;
        }
        if (setresuid(uid(), uid(), 0) != 0) {
            setresgid(0, 0, 0);
            failure_ = QStringLiteral("cannot switch to the user nobody");
            return;
        }
        switched_ = true;
    }

    ~UnprivilegedUser()
    {
        if (switched_) {
            setresuid(0, 0, 0);
            setresgid(0, 0, 0);
        }
    }

    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

    //! Why permissions would not bind this process; empty when they do.
    const QString& failure() const { return failure_; }
    //! The user that permissions bind, and its group: nobody for root, else the process's own.
    static uid_t uid()
    {
        if (geteuid() != 0)
            return geteuid();
        const passwd* nobody = getpwnam("nobody");
        return nobody ? nobody->pw_uid : 65534;
    }
    static gid_t gid()
    {
        if (geteuid() != 0)
            return getegid();
        const passwd* nobody = getpwnam("nobody");
        return nobody ? nobody->pw_gid : 65534;
    }

private:
    bool switched_ = false;
    QString failure_;
};

} // namespace tw::test
