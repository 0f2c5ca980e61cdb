#include "gui/application_identity.h"

#include "core/message.h"
#include "gui/art/artwork.h"
#include "gui/japanese_qt.h"
#include "tunewright/version.h"

#include <QApplication>

namespace tw::gui {

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(kAppTitle);
    QApplication::setDesktopFileName(QLatin1String(kAppId));
    QApplication::setWindowIcon(art::appIcon());
    useJapaneseQt(app);
}

} // namespace tw::gui
