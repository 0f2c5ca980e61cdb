#pragma once

#include <QFont>

namespace tw::gui {

//! The fixed-pitch Japanese font of the score list and the title box: every
//! full-width character is exactly two ASCII columns wide, so the columns of
//! the row texts line up.
QFont rowFont();

} // namespace tw::gui
