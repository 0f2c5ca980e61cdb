// The splash picture and the application icon. The icon is one SVG drawing
// in the resources, so the window, the about box and the desktop all show the
// same picture.

#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace tw::art {

using namespace paint;

namespace {

constexpr QSize kSplashSize{420, 260};
constexpr int kVersionStrip = 34;

QPixmap renderIcon(int pixels)
{
    // An icon size is a count of device pixels: the icon picks the size it needs.
    QImage image = canvas(pixels, pixels, 1.0);
    QPainter painter(&image);
    QSvgRenderer renderer(iconSvgPath());
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap paintSplash()
{
    QImage image = canvas(kSplashSize.width(), kSplashSize.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(QPointF(0, 0), kSplashSize);
    fillWood(painter, all, kWalnut, 101u);

    // A cream card in a brass frame, with the icon, the name and a line of music.
    const QRectF card = all.adjusted(14, 14, -14, -14 - kVersionStrip + 6);
    fillPaper(painter, card, kCream, 103u);
    drawBrassRim(painter, card.adjusted(-4, -4, 4, 4), 6, 4);

    painter.drawPixmap(QPointF(card.left() + 18, card.top() + 20), renderIcon(96));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(36);
    title.setBold(true);
    title.setItalic(true);
    painter.setFont(title);
    painter.setPen(kInk);
    const QRectF words(card.left() + 128, card.top() + 18, card.width() - 140, 56);
    painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tunewright"));

    QFont subtitle(QStringLiteral("IPAPGothic"));
    subtitle.setPixelSize(14);
    painter.setFont(subtitle);
    painter.setPen(kWalnut);
    painter.drawText(words.translated(2, 58), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Chimebox のメロディエディタ"));

    // A short phrase on a staff across the bottom of the card.
    const qreal space = 6;
    const qreal bottomLine = card.bottom() - 20;
    const qreal staffLeft = card.left() + 18, staffRight = card.right() - 16;
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 0.9));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(staffLeft, bottomLine - i * space), QPointF(staffRight, bottomLine - i * space));
    struct Step { int length; qreal height; };
    const std::array<Step, 9> phrase{
        {{3, 0.5}, {3, 1}, {1, 1.5}, {1, 2}, {3, 2.5}, {3, 2}, {1, 1.5}, {1, 1}, {5, 1.5}}};
    const qreal step = (staffRight - staffLeft - 40) / phrase.size();
    for (std::size_t i = 0; i < phrase.size(); ++i)
        drawGlyphAt(painter, noteGlyph(phrase[i].length),
                    QPointF(staffLeft + 16 + step * i, bottomLine - phrase[i].height * space), space, kInk);
    painter.fillRect(QRectF(staffRight - 6, bottomLine - 4 * space, 1.2, 4 * space), kInk);
    painter.fillRect(QRectF(staffRight - 3.5, bottomLine - 4 * space, 3, 4 * space), kInk);

    // A plain brass bar along the bottom, where the version label is written in dark ink.
    const QRectF bar = splashVersionArea();
    QLinearGradient brass(bar.topLeft(), bar.bottomLeft());
    brass.setColorAt(0, kBrassLight);
    brass.setColorAt(0.5, kBrass.lighter(112));
    brass.setColorAt(1, kBrass);
    painter.fillRect(bar, brass);
    painter.fillRect(QRectF(bar.left(), bar.top(), bar.width(), 1.5), kWalnutDark);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QString iconSvgPath()
{
    return QStringLiteral(":/art/tunewright.svg");
}

QPixmap splash()
{
    return cached(QStringLiteral("tw-art/splash"), paintSplash);
}

QRect splashVersionArea()
{
    return {0, kSplashSize.height() - kVersionStrip, kSplashSize.width(), kVersionStrip};
}

QIcon appIcon()
{
    QIcon icon;
    for (const int pixels : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderIcon(pixels));
    return icon;
}

} // namespace tw::art
