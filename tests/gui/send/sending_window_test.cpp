// The desktop's transfer port, offscreen, with a player that takes its time:
// the sending window as the user sees it, its refusal to close while the sound
// plays, the temporary folder, and playing without freezing the windows.

#include "gui/sending_window.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tw::gui {
namespace {

using namespace std::chrono_literals;

//! Takes `length` to play any file and answers as scripted.
class SlowPlayer final : public WavePlayerPort {
public:
    SlowPlayer(std::chrono::milliseconds length, std::expected<void, QString> result)
        : length_(length), result_(std::move(result))
    {
    }

    std::expected<void, QString> play(const QString&) override
    {
        std::this_thread::sleep_for(length_);
        return result_;
    }

private:
    std::chrono::milliseconds length_;
    std::expected<void, QString> result_;
};

//! Counts the paint events of the sending window, wherever it is created.
class PaintCounter final : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("frmSending"))
            ++paints;
        return false;
    }
};

QDialog* sendingWindow()
{
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

TEST(SendingWindow, IsDrawnWithItsCaptionAndLabelBeforeTheSoundStartsAndClosesAfterIt)
{
    QWidget owner;
    owner.show();
    TransferServices transfer(&owner, std::make_unique<SlowPlayer>(50ms, std::expected<void, QString>{}));
    PaintCounter counter;
    int paintsBeforeSound = 0;
    QString caption, label;

    const bool played = transfer.showSendingWindowWhile([&] {
        paintsBeforeSound = counter.paints;
        if (QDialog* window = sendingWindow()) {
            caption = window->windowTitle();
            if (auto* lbl = window->findChild<QLabel*>(QStringLiteral("lblSend")))
                label = lbl->text();
        }
        return transfer.playWave(QStringLiteral("temp.wav"));
    });

    EXPECT_TRUE(played);
    EXPECT_GT(paintsBeforeSound, 0);
    EXPECT_EQ(caption.toStdString(), "Chimebox に送信");
    EXPECT_EQ(label.toStdString(), "Chimebox にデータを送信しています");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(SendingWindow, TakesNoCloseUntilTheSoundHasEnded)
{
    TransferServices transfer(nullptr, std::make_unique<SlowPlayer>(300ms, std::expected<void, QString>{}));
    bool openAfterClose = false, openAfterEscape = false;
    bool soundEnded = false;

    transfer.showSendingWindowWhile([&] {
        QDialog* window = sendingWindow();
        // While the sound plays, timers still fire; this one tries both ways out.
        QTimer::singleShot(50, [&, window] {
            window->close();
            openAfterClose = window->isVisible();
            QTest::keyClick(window, Qt::Key_Escape);
            openAfterEscape = window->isVisible();
        });
        const bool played = transfer.playWave(QStringLiteral("temp.wav"));
        soundEnded = true;
        return played;
    });

    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(soundEnded);
}

TEST(SendingWindow, ReportsWhatThePlayAnswered)
{
    TransferServices transfer(nullptr, std::make_unique<SlowPlayer>(0ms, std::unexpected(QStringLiteral("no server"))));

    EXPECT_FALSE(transfer.showSendingWindowWhile([&] { return transfer.playWave(QStringLiteral("temp.wav")); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PlayWave, KeepsTheEventLoopRunningUntilThePlayerHasReturned)
{
    TransferServices transfer(nullptr, std::make_unique<SlowPlayer>(200ms, std::expected<void, QString>{}));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(transfer.playWave(QStringLiteral("temp.wav")));
    const auto took = std::chrono::steady_clock::now() - start;

    EXPECT_GE(took, 200ms);
    EXPECT_GT(ticks, 5) << "the windows would not have been drawn while the sound played";
}

// ---- The temporary folder ----------------------------------------------------------

struct FolderCase {
    const char* name;
    std::optional<QByteArray> runtimeDir;  //!< XDG_RUNTIME_DIR, or unset
    QString folder;                        //!< "" for the system's temporary folder
    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

const FolderCase kFolders[] = {
    {"SessionFolder", QByteArray("/run/user/1000"), QStringLiteral("/run/user/1000/")},
    {"SessionFolderWithSeparator", QByteArray("/run/user/1000/"), QStringLiteral("/run/user/1000/")},
    {"NoSessionFolder", std::nullopt, QString()},
    {"EmptySessionFolder", QByteArray(""), QString()},
    {"RelativeSessionFolder", QByteArray("run"), QString()},
};

class TempFolder : public ::testing::TestWithParam<FolderCase> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
            saved_ = qgetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override
    {
        if (saved_)
            qputenv("XDG_RUNTIME_DIR", *saved_);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<QByteArray> saved_;
};

TEST_P(TempFolder, IsTheSessionsOwnWhereThereIsOneAndEndsInASeparator)
{
    if (GetParam().runtimeDir)
        qputenv("XDG_RUNTIME_DIR", *GetParam().runtimeDir);
    else
        qunsetenv("XDG_RUNTIME_DIR");
    const QString expected = GetParam().folder.isEmpty() ? QDir::tempPath() + u'/' : GetParam().folder;

    EXPECT_EQ(TransferServices(nullptr).tempFolder().value_or(QStringLiteral("(none)")).toStdString(),
              expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(, TempFolder, ::testing::ValuesIn(kFolders),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::gui
