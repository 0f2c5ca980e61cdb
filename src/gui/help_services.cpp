#include "gui/help_services.h"

#include "gui/about_box.h"

#include <QProcess>
#include <QStandardPaths>

namespace tw::gui {

HelpServices::HelpServices(QWidget* window) : window_(window) {}

void HelpServices::showAbout()
{
    if (!about_)
        about_ = new AboutBox(window_);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

bool HelpServices::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool HelpServices::programExists(const QString& program) const
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

std::vector<ProgramCall> HelpServices::volumeControls() const
{
    // The Linux desktop's mixers; another system's adapter offers its own.
    return linuxVolumeControls();
}

} // namespace tw::gui
