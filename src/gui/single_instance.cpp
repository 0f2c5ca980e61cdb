#include "gui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tw::gui {

namespace {

QString defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("tunewright.lock"));
}

} // namespace

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // A running instance may hold the lock for days; only a dead owner makes
    // it stale, never its age.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() { return lock_.tryLock(0); }

} // namespace tw::gui
