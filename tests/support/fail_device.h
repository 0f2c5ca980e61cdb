#pragma once
// A device that works for a given number of bytes and then fails, as a full disk or a failing
// drive would: writes are taken up to the limit, reads hand out the given content up to it.

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

class FailDevice : public QIODevice {
public:
    //! Opens the device; `content` is what reading hands out before the failure.
    explicit FailDevice(qint64 failAfter, QByteArray content = {})
        : m_failAfter(failAfter), m_content(std::move(content))
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    const QByteArray& written() const { return m_written; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, m_failAfter - m_read, m_content.size() - m_read});
        if (count <= 0)
            return m_read < m_content.size() ? fail() : 0;
        std::copy_n(m_content.constData() + m_read, count, data);
        m_read += count;
        return count;
    }

    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 count = std::min(size, m_failAfter - m_written.size());
        if (count <= 0)
            return fail();
        m_written.append(data, count);
        return count;
    }

private:
    qint64 fail()
    {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }

    qint64 m_failAfter;
    QByteArray m_content;
    qint64 m_read = 0;
    QByteArray m_written;
};
