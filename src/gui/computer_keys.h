#pragma once
// The computer keyboard as the entry buttons: while the score list has the
// focus, letter keys are the keys of the on-screen keyboard, the digits the
// length buttons and Alt with a digit the rest buttons; Space in the list and
// F5 anywhere in the window are the play button.
//
// The two octaves lie as on a tracker: the lower one (F to E, keys 5 to 16)
// on the Z row with its black keys on the A row above it, the upper one (F to
// F, keys 17 to 29) on the Q row. The row above the Q row, the digits, gives
// the note lengths, so the upper octave's black keys are Shift with the white
// key to their left: Shift+Q is the F sharp above Q's F.
//
// Every computer key works through its button (PictureButton::holdDown and
// letGo), so it runs exactly the handlers a left click on the button runs,
// with the same refusals, and nothing while the button is disabled.

#include "gui/window_widgets.h"

#include <QKeyCombination>
#include <QString>
#include <span>

namespace tw::gui {

enum class EntryGroup { Key, Length, Rest };

struct ComputerKey {
    QKeyCombination keys;
    EntryGroup group;
    int index;  //!< the key 5 to 29, or the length or rest button's index
};

//! Every computer key of the entry buttons, one per button.
std::span<const ComputerKey> computerKeys();

//! The play button's key anywhere in the window.
inline constexpr Qt::Key kPlayKey = Qt::Key_F5;

//! A tooltip with its key after the text: "4分音符 (4)". The text stays as it
//! is at the start.
QString withKey(const QString& tooltip, QKeyCombination keys);
//! The computer key of an entry button.
QKeyCombination keyOf(EntryGroup group, int index);

//! Makes the computer keys work: the entry keys and Space while `widgets.lstScore`
//! has the focus, F5 in the whole window. The objects live as children of the list
//! and of `window`.
void installComputerKeys(const WindowWidgets& widgets, QWidget& window);

} // namespace tw::gui
