#pragma once
// The sending window `frmSending` and the desktop's transfer port: the user's
// temporary folder, and the transfer signal played through the sound output
// while the window is shown. The window builds the port as TransferServices(window).

#include "core/ports.h"
#include "sound/wave_player.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

class QEventLoop;
class QLabel;

namespace tw::gui {

//! `frmSending`: its caption and label tell the user that the chip is being
//! sent to. `Timer1` fires once the window is up and plays; `Timer2` closes it.
//! Until the sound has ended the window takes no close, neither from its close
//! control nor from Escape: the transfer cannot be cut short halfway.
class SendingWindow final : public QDialog {
public:
    //! A window owned by `owner` that runs `play` once it has been drawn.
    SendingWindow(QWidget* owner, std::function<bool()> play);

    //! What `play` returned; false before it has run.
    bool played() const { return played_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    //! Lets the window be drawn before the sound starts, waiting a bounded time.
    void waitUntilPainted();

    QLabel* lblSend;
    QTimer Timer1;
    QTimer Timer2;
    std::function<bool()> play_;
    bool loaded_ = false;
    bool painted_ = false;
    QEventLoop* paintWait_ = nullptr;
    bool soundEnded_ = false;
    bool played_ = false;
};

class TransferServices final : public TransferPort {
public:
    //! Plays through the desktop's sound server.
    explicit TransferServices(QWidget* window);
    TransferServices(QWidget* window, std::unique_ptr<WavePlayerPort> player);
    ~TransferServices() override;

    //! `XDG_RUNTIME_DIR`, the session's folder of this user alone, where it is
    //! set; otherwise the system's temporary folder. Ends in a separator.
    std::optional<QString> tempFolder() const override;
    //! Shows `frmSending` modally over the window and runs `play` in it.
    bool showSendingWindowWhile(const std::function<bool()>& play) override;
    //! Plays the file to its end. The sound server is waited for on a thread of
    //! its own, so windows keep being drawn meanwhile; user input waits until the
    //! end. Why a file could not be played goes to the standard error.
    bool playWave(const QString& path) override;

private:
    QWidget* window_;
    std::unique_ptr<WavePlayerPort> player_;
};

} // namespace tw::gui
