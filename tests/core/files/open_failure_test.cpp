// The open command against files that exist but cannot be read. The file is read before the
// document is reset, so the document stays as it was, unsaved rows included, and the message
// names the file and the reason.

#include "file_fixture.h"
#include "unprivileged_user.h"

#include "core/message_catalogue.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace tw::test {
namespace {

const Message kDiscardQuestion{QStringLiteral("編集中のデータが初期化されます。よろしいですか？"),
                               MessageIcon::None, MessageButtons::OkCancel};

class OpenFailure;

struct Unreadable {
    const char* name;
    //! Makes the unreadable file and gives its path, or sets `skip`.
    QString (*make)(OpenFailure&, QString& skip);
    ReadFailure failure;
};

void PrintTo(const Unreadable& unreadable, std::ostream* os) { *os << unreadable.name; }

class OpenFailure : public FileFixture, public ::testing::WithParamInterface<Unreadable> {
public:
    QString folderPath(const QString& name) const { return path(name); }
    QString rootFolder() const { return folder(); }
    std::optional<UnprivilegedUser> user;

protected:
    void TearDown() override
    {
        user.reset();
        FileFixture::TearDown();
    }
};

const Unreadable kUnreadables[] = {
    {"Folder",
     [](OpenFailure& t, QString&) {
         QDir().mkpath(t.folderPath("folder.tun"));
         return t.folderPath("folder.tun");
     },
     {ReadFailure::Kind::Folder}},
    {"Pipe",
     [](OpenFailure& t, QString&) {
         // Opening a pipe would wait for a writer that never comes.
         mkfifo(t.folderPath("pipe.tun").toLocal8Bit().constData(), 0644);
         return t.folderPath("pipe.tun");
     },
     {ReadFailure::Kind::NotAFile}},
    {"ReadErrorAtTheFirstByte",
     [](OpenFailure&, QString&) {
         // Our own memory at address 0, which is never mapped: the read fails with EIO.
         return QStringLiteral("/proc/self/mem");
     },
     {ReadFailure::Kind::System, EIO}},
    {"NoReadPermission",
     [](OpenFailure& t, QString& skip) {
         const QString file = t.folderPath("secret.tun");
         writeFile(file, "O4C8\r\n");
         chmod(file.toLocal8Bit().constData(), 0);
         if (chown(t.rootFolder().toLocal8Bit().constData(), UnprivilegedUser::uid(),
                   UnprivilegedUser::gid()) != 0)
             skip = QStringLiteral("cannot hand the test folder to the ordinary user");
         else
             skip = t.user.emplace().failure();
         return file;
     },
     {ReadFailure::Kind::System, EACCES}},
};

TEST_P(OpenFailure, NamesTheFileAndTheReasonAndKeepsTheDocument)
{
    QString skip;
    const QString file = GetParam().make(*this, skip);
    if (!skip.isEmpty())
        GTEST_SKIP() << skip.toStdString();
    enterNote(12, 4);
    typeTitle(QStringLiteral("編集中"));
    const Document before = document();

    openPath(file);

    EXPECT_EQ(messages.shown(),
              (std::vector<Message>{kDiscardQuestion, msg::readFailure(file, GetParam().failure)}));
    EXPECT_EQ(document(), before);
    EXPECT_EQ(editor.FilePath(), kUntitled);
}

INSTANTIATE_TEST_SUITE_P(, OpenFailure, ::testing::ValuesIn(kUnreadables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFailureMessage, NamesTheFileThenTheReasonInItsOwnWords)
{
    const QString path = QStringLiteral("/home/user/曲.tun");
    const auto told = [&path](ReadFailure::Kind kind, int err = 0) {
        return msg::readFailure(path, {kind, err}).text;
    };
    const QString opening = QStringLiteral("ファイルを開けませんでした。\r\n/home/user/曲.tun\r\n");
    EXPECT_EQ(msg::readFailure(path, {ReadFailure::Kind::System, EACCES}),
              (Message{opening + QStringLiteral("読み込みの権限がありません。"), MessageIcon::Warning}));
    EXPECT_EQ(told(ReadFailure::Kind::System, EPERM), told(ReadFailure::Kind::System, EACCES));
    EXPECT_EQ(told(ReadFailure::Kind::System, EIO), opening + "読み込み中に入出力エラーが発生しました。");
    EXPECT_EQ(told(ReadFailure::Kind::Folder), opening + "フォルダーはファイルとして開けません。");
    EXPECT_EQ(told(ReadFailure::Kind::NotAFile), opening + "通常のファイルではありません。");
    // A cause without words of its own shows its number, as a failed write does.
    EXPECT_EQ(told(ReadFailure::Kind::System, ENOMEM), opening + QStringLiteral("エラーコード : %1").arg(ENOMEM));
}

} // namespace
} // namespace tw::test
