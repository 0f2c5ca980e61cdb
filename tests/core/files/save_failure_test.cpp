// The save command against real failures of the file system, one kind each. Whatever fails,
// the melody that was on disk before stays there, whole, and the document stays unsaved.
// Faults that only root can make (a small disk, a read-only medium) are skipped otherwise;
// permission faults run as an ordinary user, switching to one when the tests run as root.

#include "file_fixture.h"
#include "file_size_limit.h"
#include "private_mount.h"
#include "unprivileged_user.h"
#include "write_fault_messages.h"

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>

namespace tw::test {
namespace {

const QByteArray kOldMelody = sjis(QStringLiteral("'title=前の曲\r\n'tempo=60\r\nO4C8\r\n"));

//! Where a fault is set up: the folder the save goes to, the file chosen in the dialog, and
//! whatever keeps the fault in place until the test has looked at the result.
struct Stage {
    QString root;     //!< a folder of the test's own
    QString folder;   //!< where the melody is saved
    QString target;
    std::optional<UnprivilegedUser> user;
    std::unique_ptr<PrivateMount> disk;
    std::unique_ptr<FileSizeLimit> sizeLimit;

    //! Acts as an ordinary user from here on; a root folder of that user's own to work in.
    QString actAsUser()
    {
        const QByteArray native = root.toLocal8Bit();
        if (chown(native.constData(), UnprivilegedUser::uid(), UnprivilegedUser::gid()) != 0)
            return QStringLiteral("cannot hand the test folder to the ordinary user");
        user.emplace();
        return user->failure();
    }

    //! A small disk mounted over the folder; the old melody is written onto it.
    QString mountSmallDisk()
    {
        QDir().mkpath(folder);
        disk = std::make_unique<PrivateMount>(folder, "size=64k,mode=0755");
        return disk->failure();
    }
};

struct SaveFault {
    const char* name;
    //! Sets the fault up; the old melody, if any, is written in between. Gives a reason to skip.
    QString (*arrange)(Stage&);
    QString (*arm)(Stage&);  //!< after the old melody is written; may be null
    bool oldFile;
    Message message;
};

void PrintTo(const SaveFault& fault, std::ostream* os) { *os << fault.name; }

QString nothing(Stage&) { return {}; }

const SaveFault kFaults[] = {
    {"ReadOnlyFile", [](Stage& s) { return s.actAsUser(); },
     [](Stage& s) {
         QFile(s.target).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                        | QFileDevice::ReadOther);
         return QString();
     },
     true, kNoPermissionOrPath},
    {"FolderWithoutWritePermission",
     [](Stage& s) {
         s.folder = s.root + "/locked";
         return s.actAsUser();
     },
     [](Stage& s) {
         chmod(s.folder.toLocal8Bit().constData(), 0555);
         return QString();
     },
     true, kNoPermissionOrPath},
    {"MissingFolder",
     [](Stage& s) {
         s.target = s.root + "/missing/song.tun";
         return QString();
     },
     nullptr, false, kNoPermissionOrPath},
    {"FullDisk",
     [](Stage& s) {
         s.folder = s.root + "/disk";
         return s.mountSmallDisk();
     },
     [](Stage& s) {
         // Fill what the old melody left free.
         s.disk->fill();
         return QString();
     },
     true, kDiskFull},
    {"ReadOnlyMedium",
     [](Stage& s) {
         s.folder = s.root + "/medium";
         return s.mountSmallDisk();
     },
     [](Stage& s) {
         return s.disk->makeReadOnly() ? QString() : QStringLiteral("cannot make the disk read-only");
     },
     true, kWriteProtected},
    {"FileLargerThanTheProcessMayWrite", nothing,
     [](Stage& s) {
         s.sizeLimit = std::make_unique<FileSizeLimit>(16);
         return s.sizeLimit->isSet() ? QString() : QStringLiteral("cannot limit the file size");
     },
     true, kFileTooLarge},
};

class SaveFailure : public FileFixture, public ::testing::WithParamInterface<SaveFault> {
protected:
    void TearDown() override
    {
        // The fault goes before the folder is cleaned up: the limit, the user, then the disk.
        stage_.sizeLimit.reset();
        stage_.user.reset();
        stage_.disk.reset();
        FileFixture::TearDown();
    }

    Stage stage_;
};

TEST_P(SaveFailure, TellsTheKindAndLeavesTheOldMelodyAndTheDocumentAsTheyWere)
{
    stage_.root = folder();
    stage_.folder = folder();
    if (const QString skip = GetParam().arrange(stage_); !skip.isEmpty())
        GTEST_SKIP() << skip.toStdString();
    if (stage_.target.isEmpty())
        stage_.target = stage_.folder + "/song.tun";
    QDir().mkpath(stage_.folder);
    if (GetParam().oldFile)
        writeFile(stage_.target, kOldMelody);
    if (GetParam().arm) {
        if (const QString skip = GetParam().arm(stage_); !skip.isEmpty())
            GTEST_SKIP() << skip.toStdString();
    }
    const QStringList entriesBefore = entriesOf(stage_.folder);
    enterThreeRows();
    typeTitle(QStringLiteral("新しい曲"));
    const Document before = document();

    saveAs(stage_.target);

    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back(), GetParam().message);
    EXPECT_EQ(messages.shown().size(), GetParam().oldFile ? 2u : 1u);  // after the overwrite question
    EXPECT_EQ(document(), before);
    if (GetParam().oldFile)
        EXPECT_EQ(contentOf(stage_.target), kOldMelody);
    EXPECT_EQ(entriesOf(stage_.folder), entriesBefore);
}

INSTANTIATE_TEST_SUITE_P(, SaveFailure, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
