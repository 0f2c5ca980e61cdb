#include "codecs/files/save_file.h"

#include "support/fail_device.h"
#include "write_error_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw {
namespace {

DeviceWriter writing(QByteArray bytes)
{
    return [bytes](QIODevice& device) -> std::expected<void, WriteError> {
        if (device.write(bytes) != bytes.size())
            return std::unexpected(writeErrorFromErrno(EIO));
        return {};
    };
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class SaveFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    QStringList entries() const
    {
        return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir folder_;
};

TEST_F(SaveFile, CreatesAndReplacesTheFile)
{
    ASSERT_TRUE(saveFile(path("a.tun"), writing("first")));
    ASSERT_TRUE(saveFile(path("a.tun"), writing("second")));
    EXPECT_EQ(contentOf(path("a.tun")), "second");
    EXPECT_EQ(entries(), QStringList{"a.tun"});
}

TEST_F(SaveFile, LeavesTheOldFileWhenTheWriterFails)
{
    ASSERT_TRUE(saveFile(path("a.tun"), writing("old content")));
    const WriteError full{WriteErrorKind::DiskFull, 61};
    const auto result = saveFile(path("a.tun"), [&](QIODevice& device) -> std::expected<void, WriteError> {
        device.write("half");
        return std::unexpected(full);
    });
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), full);
    EXPECT_EQ(contentOf(path("a.tun")), "old content");
    EXPECT_EQ(entries(), QStringList{"a.tun"});
}

TEST_F(SaveFile, ReportsAPathThatCannotBeAFileAsAPathError)
{
    ASSERT_TRUE(saveFile(path("plain"), writing("x")));
    for (const QString& target : {path("missing/a.tun"), path("plain/a.tun"), folder_.path()}) {
        const auto result = saveFile(target, writing("x"));
        ASSERT_FALSE(result.has_value()) << target.toStdString();
        EXPECT_EQ(result.error().kind, WriteErrorKind::PathAccess) << target.toStdString();
        EXPECT_EQ(result.error().code, 75) << target.toStdString();
        EXPECT_EQ(result.error().step, WriteStep::Open) << target.toStdString();
    }
    EXPECT_EQ(entries(), QStringList{"plain"});
}

} // namespace
} // namespace tw
