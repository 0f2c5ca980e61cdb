#include "gui/single_instance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tw::gui {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("tunewright.lock"));
};

TEST_F(SingleInstanceTest, ASecondInstanceIsRefusedUntilTheFirstEnds)
{
    auto first = std::make_unique<SingleInstance>(path);
    ASSERT_TRUE(first->acquire());
    EXPECT_FALSE(SingleInstance(path).acquire());
    first.reset();
    EXPECT_TRUE(SingleInstance(path).acquire());
}

TEST_F(SingleInstanceTest, ALockLeftByACrashedInstanceDoesNotBlock)
{
    // A process that has ended owns the lock, as after a crash.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();  // known only while it runs
    ASSERT_TRUE(ended.waitForFinished());
    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\ntunewright\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    EXPECT_TRUE(SingleInstance(path).acquire());
}

} // namespace
} // namespace tw::gui
