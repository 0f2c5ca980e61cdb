#include "gui/row_font.h"

namespace tw::gui {

QFont rowFont()
{
    // IPAGothic (not its proportional sister IPAPGothic) draws ASCII at half
    // the width of kana and kanji. At 12 pixels both widths are whole pixels.
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    font.setKerning(false);
    return font;
}

} // namespace tw::gui
