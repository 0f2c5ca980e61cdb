// The note length and rest buttons: brass-rimmed cream tiles with the symbol
// engraved in brown ink. A pressed tile sinks: its face turns honey, a shadow
// falls inside its upper edge and the symbol moves down by a pixel.

#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"
#include "gui/art/layout.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace tw::art {

using namespace paint;

namespace {

// Symbols share one size where they can: tall notes set the staff space, and
// the small ones (whole note, rests) grow up to a limit so they read as well.
constexpr QSizeF kSymbolBox{26, 27};
constexpr qreal kLargestStaffSpace = 9.0;

qreal staffSpaceFor(const Glyph& glyph)
{
    const QRectF bounds = glyph.bounds();
    return std::min({kLargestStaffSpace, kSymbolBox.width() / bounds.width(),
                     kSymbolBox.height() / bounds.height()});
}

QPixmap entryTile(const Glyph& glyph, bool pressed, unsigned seed)
{
    const QSize size = layout::kEntryButton;
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(0.5, 0.5, size.width() - 1.5, size.height() - 1.5);
    if (!pressed) {
        // A soft shadow on the board below and to the right of the raised tile.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 15, 5, 70));
        painter.drawRoundedRect(tile.translated(1, 1), 6, 6);
    }

    const QRectF face = tile.adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath facePath;
    facePath.addRoundedRect(face, 3.5, 3.5);
    painter.save();
    painter.setClipPath(facePath);
    fillPaper(painter, face, pressed ? QColor(0xe4, 0xc2, 0x86) : kCream, seed);
    if (pressed) {
        QLinearGradient inner(face.topLeft(), face.topLeft() + QPointF(0, 7));
        inner.setColorAt(0, QColor(60, 30, 8, 120));
        inner.setColorAt(1, QColor(60, 30, 8, 0));
        painter.fillRect(face, inner);
    } else {
        QLinearGradient sheen(face.topLeft(), face.bottomLeft());
        sheen.setColorAt(0, QColor(255, 255, 255, 70));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
        sheen.setColorAt(1, QColor(120, 80, 30, 30));
        painter.fillRect(face, sheen);
    }
    painter.restore();

    const QPointF shift = pressed ? QPointF(0.8, 1.2) : QPointF();
    drawGlyphCentred(painter, glyph, face.translated(shift), staffSpaceFor(glyph),
                     pressed ? kInk.darker(130) : kInk);

    const QRectF rim = pressed ? tile.translated(0.5, 0.5) : tile;
    drawBrassRim(painter, rim, 5, 2.5);
    if (pressed) {
        painter.setPen(QPen(QColor(50, 25, 5, 110), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(0.6, 0.6, -0.2, -0.2), 3.5, 3.5);
    }
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap lengthPicture(int index, bool pressed)
{
    return cached(QStringLiteral("tw-art/length/%1/%2").arg(index).arg(pressed), [=] {
        return entryTile(noteGlyph(index), pressed, 300u + unsigned(index));
    });
}

QPixmap restPicture(int index, bool pressed)
{
    return cached(QStringLiteral("tw-art/rest/%1/%2").arg(index).arg(pressed), [=] {
        return entryTile(restGlyph(index), pressed, 400u + unsigned(index));
    });
}

} // namespace tw::art
