#pragma once
// Sound servers that do not work: PULSE_SERVER pointed somewhere for a while, and a socket
// that takes connections and never answers, as a frozen sound server does.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <optional>

namespace tw::test {

//! Points PULSE_SERVER somewhere for the life of the object.
class ScopedPulseServer {
public:
    explicit ScopedPulseServer(const QByteArray& address)
    {
        if (qEnvironmentVariableIsSet("PULSE_SERVER"))
            previous_ = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", address);
    }
    ~ScopedPulseServer()
    {
        if (previous_)
            qputenv("PULSE_SERVER", *previous_);
        else
            qunsetenv("PULSE_SERVER");
    }
    ScopedPulseServer(const ScopedPulseServer&) = delete;
    ScopedPulseServer& operator=(const ScopedPulseServer&) = delete;

private:
    std::optional<QByteArray> previous_;
};

//! Listens at `path`, taking connections into the backlog and never answering,
//! as a frozen sound server does. The socket stays open until the process ends:
//! closing it would wake the abandoned connection attempt, perhaps while the
//! process is ending.
inline void freezeServerAt(const QString& path)
{
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    if (listening < 0 || ::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listening, 8) != 0)
        ADD_FAILURE() << "cannot listen on " << path.toStdString();
}

} // namespace tw::test
