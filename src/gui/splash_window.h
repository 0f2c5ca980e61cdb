#pragma once
// The splash window `frmSplash`: the splash picture and the version, shown
// while the main window is ready but hidden. After two seconds its timer
// shows the main window and the splash closes.

#include <QTimer>
#include <QWidget>

class QLabel;

namespace tw::gui {

class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    //! Starts `Timer1` and writes the version; `mainWindow` is shown when it fires.
    explicit SplashWindow(QWidget& mainWindow);

private:
    void Timer1_Timer();

    QWidget& main_;
    QLabel* lblVersion;
    QTimer Timer1;
};

} // namespace tw::gui
