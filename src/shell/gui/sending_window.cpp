#include "shell/gui/sending_window.h"

#include <QDir>

namespace tw::gui {

std::optional<QString> TransferServices::tempFolder() const
{
    return QDir::toNativeSeparators(QDir::tempPath() + QLatin1Char('/'));
}

bool TransferServices::showSendingWindowWhile(const std::function<bool()>& play) { return play(); }

bool TransferServices::playWave(const QString&) { return false; }

} // namespace tw::gui
