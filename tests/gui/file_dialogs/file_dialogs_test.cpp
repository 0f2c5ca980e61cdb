// The file dialog adapter, offscreen: what each dialog offers, what it gives back, the current
// folder that follows the chosen file, and the folder the first dialog starts in.

#include "dialog_driver.h"
#include "core/files/unprivileged_user.h"
#include "support/printers.h"

#include "gui/file_dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace tw::test {
namespace {

class FileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        application();
        ASSERT_TRUE(folder_.isValid());
        QDir(folder_.path()).mkpath(QStringLiteral("songs"));
        QFile existing(folder_.filePath(QStringLiteral("songs/old.tun")));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString root() const { return folder_.path(); }
    QString path(const QString& name) const { return folder_.filePath(name); }

    gui::FileDialogs dialogs_{nullptr};

private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir folder_;
};

TEST_F(FileDialogsTest, TheSaveDialogOffersTheNameAndGivesBackWhatWasTypedWithoutExtension)
{
    DialogDriver driver(choose(QStringLiteral("song")));

    const QString chosen = dialogs_.showSaveDialog(QStringLiteral("(*.tun)"), path("songs"),
                                                    QStringLiteral("Song- A-B-mid"));

    EXPECT_EQ(driver.shown().filters, QStringList{"(*.tun)"});
    EXPECT_EQ(driver.shown().folder, path("songs"));
    EXPECT_EQ(driver.shown().name, "Song- A-B-mid");
    EXPECT_EQ(chosen, path("songs/song"));
    EXPECT_EQ(QDir::currentPath(), path("songs"));
}

TEST_F(FileDialogsTest, TheSaveDialogLeavesTheOverwriteQuestionToTheCommand)
{
    DialogDriver driver(choose(QStringLiteral("old.tun")));

    const QString chosen = dialogs_.showSaveDialog(QStringLiteral("(*.tun)"), path("songs"), {});

    EXPECT_FALSE(driver.shown().questionAsked);
    EXPECT_EQ(chosen, path("songs/old.tun"));
}

TEST_F(FileDialogsTest, TheNextDialogOfEitherKindStartsInTheChosenFilesFolder)
{
    DialogDriver opening(choose(QStringLiteral("songs/old.tun")));
    const QString opened = dialogs_.showOpenDialog(QStringLiteral("(*.tun)"), dialogs_.currentFolder());

    EXPECT_EQ(opening.shown().filters, QStringList{"(*.tun)"});
    EXPECT_EQ(opening.shown().folder, root());
    EXPECT_EQ(opening.shown().fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(opened, path("songs/old.tun"));
    EXPECT_EQ(dialogs_.currentFolder(), path("songs"));

    DialogDriver saving(cancel);
    dialogs_.showSaveDialog(QStringLiteral("(*.tun)"), dialogs_.currentFolder(), {});
    EXPECT_EQ(saving.shown().folder, path("songs"));
}

TEST_F(FileDialogsTest, CancelGivesTheEmptyTextAndKeepsTheCurrentFolder)
{
    DialogDriver driver(cancel);

    EXPECT_EQ(dialogs_.showOpenDialog(QStringLiteral("(*.tun)"), path("songs")), "");
    EXPECT_EQ(QDir::currentPath(), root());
}

TEST_F(FileDialogsTest, BothDialogsSpeakJapaneseAndShowTheirColumnsWhole)
{
    struct Seen {
        QStringList labels;
        QStringList buttons;
        QSize size;
        std::vector<std::pair<int, int>> columns;  //!< shown width, width the contents need
    };
    const auto look = [](Seen& seen) {
        return [&seen](QFileDialog& dialog) {
            for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                seen.labels << dialog.findChild<QLabel*>(QLatin1String(name))->text();
            for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
                seen.buttons << button->text();
            seen.size = dialog.size();
            const QHeaderView* header = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))->header();
            for (int column = 1; column < header->count(); ++column)
                seen.columns.emplace_back(header->sectionSize(column), header->sectionSizeHint(column));
            cancel(dialog);
        };
    };
    Seen opening;
    Seen saving;
    {
        DialogDriver driver(look(opening));
        dialogs_.showOpenDialog(QStringLiteral("(*.tun)"), path("songs"));
    }
    {
        DialogDriver driver(look(saving));
        dialogs_.showSaveDialog(QStringLiteral("(*.tun)"), path("songs"), QStringLiteral("曲"));
    }

    for (const Seen* seen : {&opening, &saving}) {
        ASSERT_EQ(seen->labels.size(), 3);
        // "Look in:", "File name:" and "Files of type:" in Japanese: no Latin letters left.
        for (const QString& label : seen->labels)
            EXPECT_FALSE(label.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))) << label.toStdString();
        EXPECT_TRUE(seen->buttons.contains(QStringLiteral("キャンセル"))) << seen->buttons.join(u'|').toStdString();
        EXPECT_GE(seen->size.width(), 700);
        for (const auto& [shown, needed] : seen->columns)
            EXPECT_GE(shown, needed);
    }
}

// ---- Where the first dialog starts ------------------------------------------------------

struct StartCase {
    const char* name;
    bool programWritable;
    bool documentsExist;
    const char* expected;  //!< below the test's home folder; "" for the home folder itself
};

void PrintTo(const StartCase& start, std::ostream* os) { *os << start.name; }

class StartFolder : public ::testing::TestWithParam<StartCase> {
protected:
    void TearDown() override
    {
        user_.reset();
        restore("HOME", oldHome_);
        restore("XDG_CONFIG_HOME", oldConfig_);
        chmod(home_.filePath("program").toLocal8Bit().constData(), 0755);
    }

    static void restore(const char* name, const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    static std::optional<QByteArray> valueOf(const char* name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }

    QTemporaryDir home_;
    std::optional<QByteArray> oldHome_ = valueOf("HOME");
    std::optional<QByteArray> oldConfig_ = valueOf("XDG_CONFIG_HOME");
    std::optional<UnprivilegedUser> user_;
};

TEST_P(StartFolder, IsTheProgramFolderWhereTheUserMayWriteElseDocumentsElseHome)
{
    // Everything readable for the ordinary user the test becomes; only the program folder's
    // write permission differs.
    QDir home(home_.path());
    home.mkpath(QStringLiteral("program"));
    if (GetParam().documentsExist)
        home.mkpath(QStringLiteral("Documents"));
    chmod(home.path().toLocal8Bit().constData(), 0755);
    chmod(home.filePath("program").toLocal8Bit().constData(), GetParam().programWritable ? 0777 : 0555);
    // A home of the test's own, without a user-dirs file naming another documents folder.
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    if (const QString failure = user_.emplace().failure(); !failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();

    const QString expected = *GetParam().expected ? home.filePath(GetParam().expected) : home.path();
    EXPECT_EQ(gui::startFolder(home.filePath("program")), expected);
}

INSTANTIATE_TEST_SUITE_P(, StartFolder,
                         ::testing::Values(StartCase{"Writable", true, true, "program"},
                                           StartCase{"InstalledWithDocuments", false, true, "Documents"},
                                           StartCase{"InstalledWithoutDocuments", false, false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
