// The keyboard: ivory white keys and ebony black keys under a felt rail.
// A pressed key tips down at the front, so its front lip shortens, a shadow
// falls from the rail and the key takes a warm honey tint; plainly visible
// even on the narrow black keys.

#include "codecs/score/tables.h"
#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"
#include "gui/art/layout.h"

#include <QLinearGradient>
#include <QPainter>

namespace tw::art {

using namespace paint;

namespace {

// Black keys sit a little off the joins, as on a piano: the two of C and D
// lean apart, and so do the outer ones of F, G and A.
int blackKeyLean(int key)
{
    switch (key % 12) {
    case 1: return -2;
    case 3: return 2;
    case 6: return -3;
    case 10: return 3;
    default: return 0;
    }
}

int whiteKeysBefore(int key)
{
    int count = 0;
    for (int k = kFirstKey; k < key; ++k)
        count += isBlackKey(k) ? 0 : 1;
    return count;
}

QPixmap paintWhiteKey(bool pressed)
{
    const QSize size = layout::kWhiteKey;
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const int lip = pressed ? 3 : 7;
    const QRectF top(0, 0, size.width() - 1, size.height() - lip);
    QLinearGradient ivory(top.topLeft(), top.bottomLeft());
    ivory.setColorAt(0, pressed ? QColor(0xe9, 0xd2, 0xa4) : QColor(0xfb, 0xf5, 0xe6));
    ivory.setColorAt(1, pressed ? QColor(0xdc, 0xbd, 0x86) : kCream);
    painter.fillRect(top, ivory);

    // The front of the key, rounded at the bottom.
    QPainterPath front;
    front.addRoundedRect(QRectF(0, size.height() - lip - 2, size.width() - 1, lip + 2), 2.5, 2.5);
    painter.fillPath(front, pressed ? QColor(0xc6, 0xa2, 0x6c) : kCreamShade);
    painter.fillRect(QRectF(0, size.height() - lip - 0.5, size.width() - 1, 1), QColor(150, 110, 60, 110));

    // The rail's shadow on the key.
    QLinearGradient shadow(0, 0, 0, pressed ? 22 : 8);
    shadow.setColorAt(0, QColor(40, 20, 8, pressed ? 150 : 90));
    shadow.setColorAt(1, QColor(40, 20, 8, 0));
    painter.fillRect(top, shadow);

    // A light edge on the left, the gap to the next key on the right.
    painter.fillRect(QRectF(0, 0, 1, size.height() - lip), QColor(255, 255, 255, pressed ? 60 : 160));
    painter.fillRect(QRectF(size.width() - 1, 0, 1, size.height()), kWalnutDark);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap paintBlackKey(bool pressed)
{
    const QSize size = layout::kBlackKey;
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor body = pressed ? QColor(0x5a, 0x34, 0x1c) : QColor(0x22, 0x18, 0x12);
    painter.fillRect(image.rect(), body.darker(150));

    // Sloped sides and a flat top that catches the light, the front lower down.
    const int lip = pressed ? 3 : 8;
    const QRectF topFace(2, 0, size.width() - 4, size.height() - lip - 1);
    QLinearGradient face(topFace.topLeft(), topFace.bottomLeft());
    face.setColorAt(0, body.darker(120));
    face.setColorAt(0.7, body.lighter(pressed ? 115 : 150));
    face.setColorAt(1, body.lighter(pressed ? 125 : 190));
    painter.fillRect(topFace, face);
    painter.fillRect(QRectF(3, 2, 1.2, topFace.height() - 6), QColor(255, 240, 210, pressed ? 50 : 70));

    const QRectF frontFace(1, size.height() - lip - 1, size.width() - 2, lip);
    painter.fillRect(frontFace, body.lighter(pressed ? 140 : 260));
    if (pressed) {
        QLinearGradient shadow(0, 0, 0, 18);
        shadow.setColorAt(0, QColor(0, 0, 0, 140));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(topFace, shadow);
    }
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QRect keyRect(int key)
{
    if (key < kFirstKey || key > kLastKey)
        return {};
    const int white = layout::kWhiteKey.width();
    if (!isBlackKey(key))
        return {QPoint(whiteKeysBefore(key) * white, 0), layout::kWhiteKey};
    // A black key straddles the join after the white key just below it.
    const int join = whiteKeysBefore(key) * white;
    const int left = join - layout::kBlackKey.width() / 2 + blackKeyLean(key);
    return {QPoint(left, 0), layout::kBlackKey};
}

QPixmap keyPicture(int key, bool pressed)
{
    const bool black = isBlackKey(key);
    return cached(QStringLiteral("tw-art/key/%1/%2").arg(black).arg(pressed), [=] {
        return black ? paintBlackKey(pressed) : paintWhiteKey(pressed);
    });
}

} // namespace tw::art
