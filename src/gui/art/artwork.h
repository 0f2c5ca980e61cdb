#pragma once
// The pictures of the main window, the splash window and the application icon.
// Everything is painted here with QPainter in one warm music-box look: walnut and
// honey wood, brass fittings, cream paper and dark brown ink. Each picture is
// painted once, on first use, and then served from the pixmap cache.
//
// Sizes follow layout.h; pictures placed over the background keep transparent
// corners so the painted panels show through.

#include "core/ports.h"

#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace tw::art {

//! The backdrop of the whole 759 x 528 client area: panels behind the controls,
//! the captions "曲名" and "テンポ" beside the title and tempo boxes (they are
//! part of the picture, not labels), and the decorative scene with the cheese
//! and the apple drawn where their hot spots lie.
QPixmap background();

//! A toolbar picture, 48 x 48, in one of its three looks.
QPixmap toolPicture(PictureStore store, Look look);

//! Key 5 to 29 of the keyboard: white keys 22 x 104, black keys 14 x 64.
QPixmap keyPicture(int key, bool pressed);
//! The key's place relative to the keyboard's top-left corner; black keys lie
//! over the joins of the white keys, as on a piano, so they must be stacked
//! above the white keys. An empty rectangle for a key outside 5 to 29.
QRect keyRect(int key);

//! Note length button 0 to 7 (16th, 8th, dotted 8th, quarter, dotted quarter,
//! half, dotted half, whole), 36 x 36.
QPixmap lengthPicture(int index, bool pressed);
//! Rest button 0 to 4 (16th, 8th, quarter, half, whole rest), 36 x 36.
QPixmap restPicture(int index, bool pressed);

//! A puff of smoke the size of the smoke places.
QPixmap smoke();
//! Frame 0 to 2 of the animated picture, 82 x 93: a mouse at a music box,
//! the crank at rest (0), half way (1) and at the top (2), notes rising in 1 and 2.
QPixmap animeFrame(int frame);
//! The falling picture, 33 x 37: an apple waiting on the floor of the scene.
QPixmap fallPicture();

//! The splash picture, 420 x 260.
QPixmap splash();
//! The strip along the splash picture's bottom edge: a plain brass bar, light
//! enough for the version label's dark text.
QRect splashVersionArea();
//! The application icon in the usual sizes from 16 to 256 pixels.
QIcon appIcon();
//! The icon's SVG drawing in the resources, for the about box or a large rendering.
//! The same file, src/gui/art/tunewright.svg, is what the desktop installs.
QString iconSvgPath();

} // namespace tw::art
