// The send command against real failures of the file system and against what
// others may leave in a shared temporary folder. A file that cannot be written
// is told as a failed save is, and nothing is sent. Faults that only root can
// make (a small disk, a read-only medium) are skipped otherwise; permission
// faults run as an ordinary user, switching to one when the tests run as root.

#include "send_fixture.h"

#include "core/files/file_size_limit.h"
#include "core/files/private_mount.h"
#include "core/files/unprivileged_user.h"
#include "core/files/write_fault_messages.h"

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>

namespace tw::test {
namespace {

const QByteArray kOthersBytes = "somebody else's file";

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool chmodPath(const QString& path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; }

//! Where a fault is set up, and what keeps it in place until the test has looked.
struct Stage {
    QString root;    //!< a folder of the test's own
    QString folder;  //!< the temporary folder the send is given
    QString victim;  //!< a file that must stay as it is, if any
    std::optional<UnprivilegedUser> user;
    std::unique_ptr<PrivateMount> disk;
    std::unique_ptr<FileSizeLimit> sizeLimit;

    QString wave() const { return folder + "/temp.wav"; }

    //! Acts as an ordinary user from here on, owning the test's root folder.
    QString actAsUser()
    {
        if (::chown(QFile::encodeName(root).constData(), UnprivilegedUser::uid(), UnprivilegedUser::gid()) != 0)
            return QStringLiteral("cannot hand the test folder to the ordinary user");
        user.emplace();
        return user->failure();
    }

    //! A shared folder with the sticky bit, as /tmp is, where somebody else (root)
    //! has put temp.wav first: a file anybody may write, or a link to a file of
    //! this user's own. Writing into either would hand the send to somebody else
    //! or destroy the user's file.
    QString sharedFolderWithOthersWave(bool link)
    {
        folder = root + "/shared";
        if (!QDir().mkpath(folder) || !chmodPath(folder, 01777))
            return QStringLiteral("cannot lay out the shared folder");
        victim = link ? root + "/users-own-file" : wave();
        if (!writeBytes(victim, kOthersBytes) || !chmodPath(victim, 0666))
            return QStringLiteral("cannot place the file to protect");
        if (link && !QFile::link(victim, wave()))
            return QStringLiteral("cannot place the other user's link");
        if (::geteuid() != 0)
            return QStringLiteral("a file of another user needs the tests to run as root");
        if (link && ::chown(QFile::encodeName(victim).constData(), UnprivilegedUser::uid(), UnprivilegedUser::gid()) != 0)
            return QStringLiteral("cannot hand the user's own file to the ordinary user");
        return actAsUser();
    }

    QString mountSmallDisk()
    {
        folder = root + "/disk";
        QDir().mkpath(folder);
        disk = std::make_unique<PrivateMount>(folder, "size=64k,mode=0755");
        return disk->failure();
    }
};

struct SendFault {
    const char* name;
    QString (*arrange)(Stage&);  //!< sets the fault up; a reason to skip
    Message message;
    friend void PrintTo(const SendFault& c, std::ostream* os) { *os << c.name; }
};

const SendFault kFaults[] = {
    {"FolderWithoutWritePermission",
     [](Stage& s) {
         s.folder = s.root + "/locked";
         if (!QDir().mkpath(s.folder) || !chmodPath(s.folder, 0555))
             return QStringLiteral("cannot lay out the locked folder");
         return s.actAsUser();
     },
     kNoPermissionOrPath},
    {"MissingFolder", [](Stage& s) { s.folder = s.root + "/missing"; return QString(); }, kNoPermissionOrPath},
    {"AFolderInTheWay",
     [](Stage& s) {
         QDir().mkpath(s.wave() + "/inside");
         return QString();
     },
     kNoPermissionOrPath},
    {"AnotherUsersFileInASharedFolder", [](Stage& s) { return s.sharedFolderWithOthersWave(false); },
     kNoPermissionOrPath},
    {"AnotherUsersLinkInASharedFolder", [](Stage& s) { return s.sharedFolderWithOthersWave(true); },
     kNoPermissionOrPath},
    {"FullDisk",
     [](Stage& s) {
         if (const QString why = s.mountSmallDisk(); !why.isEmpty())
             return why;
         s.disk->fill();
         return QString();
     },
     kDiskFull},
    {"ReadOnlyMedium",
     [](Stage& s) {
         if (const QString why = s.mountSmallDisk(); !why.isEmpty())
             return why;
         return s.disk->makeReadOnly() ? QString() : QStringLiteral("cannot make the disk read-only");
     },
     kWriteProtected},
    {"FileLargerThanTheProcessMayWrite",
     [](Stage& s) {
         s.sizeLimit = std::make_unique<FileSizeLimit>(16);
         return s.sizeLimit->isSet() ? QString() : QStringLiteral("cannot limit the file size");
     },
     kFileTooLarge},
};

class SendFailure : public SendFixture, public ::testing::WithParamInterface<SendFault> {
protected:
    void TearDown() override
    {
        // The fault goes before the folder is removed: the limit, the user, then the disk.
        stage_.sizeLimit.reset();
        stage_.user.reset();
        stage_.disk.reset();
        SendFixture::TearDown();
    }

    QTemporaryDir root_;
    Stage stage_;
};

TEST_P(SendFailure, TellsTheKindAndStopsBeforeTheConfirmation)
{
    stage_.root = root_.path();
    stage_.folder = root_.path();
    loadRows({53, 0, 991});
    if (const QString skip = GetParam().arrange(stage_); !skip.isEmpty())
        GTEST_SKIP() << skip.toStdString();
    transfer.folder = stage_.folder + "/";

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), std::vector<Message>{GetParam().message});
    EXPECT_EQ(transfer.sendingWindowShows, 0);
    EXPECT_TRUE(transfer.played.empty());
    EXPECT_TRUE(editor.Idle());
    if (!stage_.victim.isEmpty())
        EXPECT_EQ(bytesOf(stage_.victim), kOthersBytes);
}

INSTANTIATE_TEST_SUITE_P(, SendFailure, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- What this user's own earlier temp.wav may have become --------------------------

struct Leftover {
    const char* name;
    //! Puts something at `wave`; `victim` is a file elsewhere that must stay as it is.
    void (*place)(const QString& wave, const QString& victim);
    bool victimExists;
    friend void PrintTo(const Leftover& c, std::ostream* os) { *os << c.name; }
};

const Leftover kLeftovers[] = {
    {"AnEarlierTransfer", [](const QString& wave, const QString&) { writeBytes(wave, "RIFF old transfer"); }, true},
    {"ALinkToAFile",
     [](const QString& wave, const QString& victim) { QFile::link(victim, wave); }, true},
    {"ALinkToWhereNoFileIsYet",
     [](const QString& wave, const QString& victim) {
         QFile::remove(victim);
         QFile::link(victim, wave);
     },
     false},
};

class ReplacedWave : public SendFixture, public ::testing::WithParamInterface<Leftover> {};

TEST_P(ReplacedWave, IsANewFileOfTheUsersOwnAndNothingIsWrittenThroughALink)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath("victim");
    ASSERT_TRUE(writeBytes(victim, kOthersBytes));
    GetParam().place(wavePath(), victim);
    loadRows({53, 0, 991});

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), std::vector<Message>{kConfirm});
    struct stat info{};
    ASSERT_EQ(::lstat(QFile::encodeName(wavePath()).constData(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, mode_t(0600));
    const auto decoded = decodeFile(wavePath());
    ASSERT_TRUE(decoded.has_value()) << decoded.error();
    EXPECT_EQ(decoded->rows, (std::vector<RowCode>{53, 991}));
    EXPECT_EQ(QFileInfo::exists(victim), GetParam().victimExists);
    if (GetParam().victimExists)
        EXPECT_EQ(bytesOf(victim), kOthersBytes);
}

INSTANTIATE_TEST_SUITE_P(, ReplacedWave, ::testing::ValuesIn(kLeftovers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
