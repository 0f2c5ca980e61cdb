#include "cli/console_transfer.h"

#include "cli/console.h"
#include "codecs/transfer/playable_wave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace tw::cli {
namespace {

using std::chrono::milliseconds;

constexpr int kBarWidth = 30;
constexpr int kPlainSteps = 10;
constexpr milliseconds kRedrawInterval{100};

//! How long the file sounds; zero when it cannot be read (the player then says why).
milliseconds soundLength(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return milliseconds::zero();
    const auto wave = readPlayableWave(file);
    if (!wave)
        return milliseconds::zero();
    return milliseconds(qint64(wave->samples.size()) * 1000 / wave->sampleRate);
}

} // namespace

ConsoleTransfer::ConsoleTransfer(std::unique_ptr<WavePlayerPort> player) : player_(std::move(player)) {}

std::optional<QString> ConsoleTransfer::tempFolder() const
{
    reached_ = SendReached::TempFile;
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::tempPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

bool ConsoleTransfer::playWave(const QString& path)
{
    const milliseconds total = soundLength(path);
    std::expected<void, QString> played;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] { played = player_->play(path); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QElapsedTimer elapsed;
    QTimer redraw;
    QObject::connect(&redraw, &QTimer::timeout, &loop,
                     [&] { showProgress(milliseconds(elapsed.elapsed()), total); });
    elapsed.start();
    showProgress(milliseconds::zero(), total);
    redraw.start(kRedrawInterval);
    worker->start();
    loop.exec();
    worker->wait();
    if (played)
        showProgress(total, total);
    line_.finish();
    if (!played)
        printMessage(QStringLiteral("the transfer signal was not played: ") + played.error());
    reached_ = played ? SendReached::Played : SendReached::NotPlayed;
    return played.has_value();
}

void ConsoleTransfer::showProgress(milliseconds elapsed, milliseconds total)
{
    // The server plays a little behind the clock and drains after the last sample, so
    // the bar waits at its end for that.
    const milliseconds done = std::min(elapsed, total);
    const int percent = total.count() > 0 ? int(done * 100 / total) : 0;
    if (!line_.onTerminal()) {
        const int step = percent * kPlainSteps / 100;
        if (step == plainStep_)
            return;
        plainStep_ = step;
    }
    const int filled = percent * kBarWidth / 100;
    line_.show(QStringLiteral("sending [%1%2] %3%  %4 left")
                   .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'-'))
                   .arg(percent, 3)
                   .arg(minutesSeconds(total - done)));
}

} // namespace tw::cli
