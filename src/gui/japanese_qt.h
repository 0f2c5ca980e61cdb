#pragma once
// Qt's own texts in Japanese: the file dialogs' labels, columns and buttons, the standard
// buttons of the message boxes, the title box's context menu, and the sizes and dates the
// file dialogs show. The program speaks Japanese whatever the user's locale, so Japanese is
// chosen by name, not by the locale.

class QCoreApplication;

namespace tw::gui {

//! Makes Japanese the default locale and loads Qt's Japanese catalogue (qtbase_ja.qm from
//! Qt's translations folder) into `app`; false, with a warning in the log, where the catalogue
//! is not installed (Qt's English texts stay then).
bool useJapaneseQt(QCoreApplication& app);

} // namespace tw::gui
