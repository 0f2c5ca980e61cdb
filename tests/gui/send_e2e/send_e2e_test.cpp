// The whole send through a real sound server, as the chip hears it: a melody
// entered on the keyboard is sent by the editor through the desktop's transfer
// port (sending window, PulseAudio player) into a private PulseAudio server's
// null sink, whose monitor is recorded and decoded. Where PulseAudio cannot
// start, the tests are skipped.

#include "codecs/transfer/transfer_decoder.h"
#include "core/editor/editor.h"
#include "gui/sending_window.h"
#include "support/fake_ports.h"
#include "support/printers.h"
#include "support/private_pulse.h"
#include "support/sound_analysis.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace tw::test {
namespace {

using namespace std::chrono_literals;

const Message kConfirm{QStringLiteral("Chimebox へデータを送信します。\r\n"
                                      "接続と音量を確認してＯＫを押してください。"),
                       MessageIcon::None, MessageButtons::OkCancel};
const Message kSoundDevice{QStringLiteral("サウンドデバイスが不正です。"), MessageIcon::Error};

//! The desktop's transfer port, noting when each play returned.
class TimedTransfer final : public TransferPort {
public:
    std::optional<QString> tempFolder() const override { return real_.tempFolder(); }
    bool showSendingWindowWhile(const std::function<bool()>& play) override
    {
        return real_.showSendingWindowWhile(play);
    }
    bool playWave(const QString& path) override
    {
        const bool played = real_.playWave(path);
        returned.emplace_back(path, SteadyClock::now());
        return played;
    }

    std::vector<std::pair<QString, SteadyClock::time_point>> returned;

private:
    gui::TransferServices real_{nullptr};
};

//! Every key of the keyboard once, with the lengths in turn, and every rest.
std::vector<RowCode> wholeKeyboard()
{
    std::vector<RowCode> rows;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        rows.push_back(RowCode(key * 10 + (key - kFirstKey) % kLengthCount));
    for (int rest = 0; rest < kRestCount; ++rest)
        rows.push_back(RowCode(kRestBase + rest));
    return rows;
}

class SendThroughSoundServer : public ::testing::Test, protected FakePorts<TimedTransfer> {
protected:
    void SetUp() override
    {
        server_.emplace();
        if (!server_->whyNotRunning().isEmpty())
            GTEST_SKIP() << "no private PulseAudio server: " << server_->whyNotRunning().toStdString();
        // temp.wav goes to the session's folder, here one of the test's own.
        if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
            savedRuntimeDir_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir_.path()));
        recorder_.emplace();
        if (!recorder_->start())
            GTEST_SKIP() << "the private server's monitor cannot be recorded (parec)";
        editor.Form_Load();
        messages.takeShown();
    }

    void TearDown() override
    {
        if (savedRuntimeDir_)
            qputenv("XDG_RUNTIME_DIR", *savedRuntimeDir_);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    //! Enters the rows as the user does, with the keys, length and rest buttons.
    void enter(const std::vector<RowCode>& rows)
    {
        for (const RowCode code : rows) {
            if (code >= kRestBase) {
                editor.imgRest_MouseDown(code - kRestBase, kLeftButton);
                editor.imgRest_MouseUp(code - kRestBase, kLeftButton);
                continue;
            }
            editor.imgKey_MouseDown(code / 10, kLeftButton);
            editor.imgKey_MouseUp(code / 10, kLeftButton);
            editor.imgLen_MouseDown(code % 10, kLeftButton);
            editor.imgLen_MouseUp(code % 10, kLeftButton);
        }
    }

    QString wavePath() const { return runtimeDir_.filePath(QStringLiteral("temp.wav")); }

    std::optional<PrivatePulseServer> server_;
    std::optional<MonitorRecorder> recorder_;  // after the server: it stops recording before the server ends
    QTemporaryDir runtimeDir_;
    std::optional<QByteArray> savedRuntimeDir_;

    Editor editor{ports()};
};

double msBetween(SteadyClock::time_point from, SteadyClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

TEST_F(SendThroughSoundServer, TheChipHearsEveryRowAndTheTempoAndTheWindowClosesAfterTheLastBurst)
{
    const std::vector<RowCode> rows = wholeKeyboard();
    enter(rows);
    ASSERT_EQ(editor.EndRow(), int(rows.size()) + 1);
    controls.setTempoIndex(4);  // "180"
    editor.cmbTempo_Click();

    editor.mnuSent_Click();
    std::this_thread::sleep_for(200ms);
    const std::vector<float> recording = recorder_->stop();

    EXPECT_EQ(messages.shown(), std::vector<Message>{kConfirm});
    ASSERT_EQ(transfer.returned.size(), 1u);
    EXPECT_EQ(transfer.returned[0].first, wavePath());

    const auto decoded = decodeTransfer({double(MonitorRecorder::kRate), recording});
    ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
    EXPECT_EQ(decoded->rows, rows);
    EXPECT_EQ(decoded->tempoItemData, 111);

    // The last burst, the tempo frame's last bit, is followed by the lead-out's
    // 50 ms of silence. The play returns, and the window closes, only once all of
    // the file has been heard, and soon after.
    const auto bursts = findNotes(recording, 0.1f * peakOf(recording));
    ASSERT_FALSE(bursts.empty());
    const auto lastHeard =
        recorder_->heardNoLaterThan(std::size_t(bursts.back().endMs * MonitorRecorder::kRate / 1000));
    const double returnedAfterMs = msBetween(lastHeard, transfer.returned[0].second);
    constexpr double kLeadOutMs = 50;
    EXPECT_GT(returnedAfterMs, kLeadOutMs - 5.0) << "the play returned before the whole file was heard";
    EXPECT_LT(returnedAfterMs, kLeadOutMs + 150.0);
}

TEST_F(SendThroughSoundServer, ASoundServerThatIsGoneIsToldAfterTheWindowCloses)
{
    enter({53, 991, 297});
    recorder_->stop();
    server_->stop();

    const auto start = SteadyClock::now();
    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), (std::vector<Message>{kConfirm, kSoundDevice}));
    EXPECT_LT(SteadyClock::now() - start, 3s) << "it waited for a server that is not there";
    EXPECT_TRUE(editor.Idle());
}

} // namespace
} // namespace tw::test
