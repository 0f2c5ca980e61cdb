#pragma once
// What the editor tells the desktop and Qt about itself before any window exists: its name,
// the desktop entry it belongs to, its icon, and Japanese for Qt's own texts. The program and
// the measurement of its start-up both begin with it.

class QApplication;

namespace tw::gui {

void setUpApplication(QApplication& app);

} // namespace tw::gui
