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
        : failAfter_(failAfter), content_(std::move(content))
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    const QByteArray& written() const { return written_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, failAfter_ - read_, content_.size() - read_});
        if (count <= 0)
            return read_ < content_.size() ? fail() : 0;
        std::copy_n(content_.constData() + read_, count, data);
        read_ += count;
        return count;
    }

    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 count = std::min(size, failAfter_ - written_.size());
        if (count <= 0)
            return fail();
        written_.append(data, count);
        return count;
    }

private:
    qint64 fail()
    {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }

    qint64 failAfter_;
    QByteArray content_;
    qint64 read_ = 0;
    QByteArray written_;
};
