#include "gui/sending_window.h"

#include "sound/pulse_wave_player.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QThread>
#include <QVBoxLayout>
#include <utility>

namespace tw::gui {
namespace {

const QString kCaption = QStringLiteral("Chimebox に送信");
const QString kSendingText = QStringLiteral("Chimebox にデータを送信しています");

// A window that is never drawn (its owner minimised, a desktop that maps it
// late) must not hold the transfer back for longer than this.
constexpr int kFirstPaintLimitMs = 500;

} // namespace

SendingWindow::SendingWindow(QWidget* owner, std::function<bool()> play)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lblSend(new QLabel(kSendingText, this)),
      play_(std::move(play))
{
    setObjectName(QStringLiteral("frmSending"));
    setWindowTitle(kCaption);
    lblSend->setObjectName(QStringLiteral("lblSend"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(lblSend);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setSingleShot(true);
    Timer2.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &SendingWindow::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &SendingWindow::Timer2_Timer);
}

void SendingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only the first showing plays: a window restored from the task bar shows again.
    if (!std::exchange(loaded_, true))
        Timer1.start();
}

void SendingWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    painted_ = true;
    if (paintWait_)
        paintWait_->quit();
}

void SendingWindow::closeEvent(QCloseEvent* event)
{
    if (!soundEnded_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SendingWindow::reject()
{
    if (soundEnded_)
        QDialog::reject();
}

void SendingWindow::Timer1_Timer()
{
    Timer1.stop();
    waitUntilPainted();
    played_ = play_();
    soundEnded_ = true;
    Timer2.start();
}

void SendingWindow::Timer2_Timer()
{
    accept();
}

void SendingWindow::waitUntilPainted()
{
    if (painted_)
        return;
    QEventLoop wait;
    paintWait_ = &wait;
    QTimer::singleShot(kFirstPaintLimitMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    paintWait_ = nullptr;
}

TransferServices::TransferServices(QWidget* window)
    : TransferServices(window, std::make_unique<PulseWavePlayer>())
{
}

TransferServices::TransferServices(QWidget* window, std::unique_ptr<WavePlayerPort> player)
    : window_(window), player_(std::move(player))
{
}

TransferServices::~TransferServices() = default;

std::optional<QString> TransferServices::tempFolder() const
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::tempPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return QDir::toNativeSeparators(folder);
}

bool TransferServices::showSendingWindowWhile(const std::function<bool()>& play)
{
    SendingWindow sending(window_, play);
    sending.exec();
    return sending.played();
}

bool TransferServices::playWave(const QString& path)
{
    std::expected<void, QString> played;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] { played = player_->play(path); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    if (!played)
        qWarning("Tunewright: the transfer signal was not played: %s", qUtf8Printable(played.error()));
    return played.has_value();
}

} // namespace tw::gui
