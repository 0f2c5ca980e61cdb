#include "gui/japanese_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcTranslation, "tunewright.translation")

namespace tw::gui {

bool useJapaneseQt(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
        qCWarning(lcTranslation, "Qt's Japanese texts (qtbase_ja.qm) are not in %s", qPrintable(folder));
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

} // namespace tw::gui
