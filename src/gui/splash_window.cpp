#include "gui/splash_window.h"

#include "core/message.h"
#include "gui/art/artwork.h"
#include "tunewright/version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace tw::gui {

namespace {

constexpr int kSplashMs = 2000;
// The version sits in the plain strip the picture leaves at its bottom, clear of its right edge.
constexpr int kVersionMargin = 12;

} // namespace

SplashWindow::SplashWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), main_(mainWindow), Timer1(this)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(kAppTitle);

    const QPixmap picture = art::splash();
    setFixedSize(picture.deviceIndependentSize().toSize());
    // A splash has no frame for a window manager to place; it sits in the middle.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(rect());

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    Timer1.start(kSplashMs);

    lblVersion = new QLabel(QLatin1String(kVersionText), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion->setGeometry(art::splashVersionArea().adjusted(0, 0, -kVersionMargin, 0));
}

void SplashWindow::Timer1_Timer()
{
    Timer1.stop();
    main_.show();
    close();
}

} // namespace tw::gui
