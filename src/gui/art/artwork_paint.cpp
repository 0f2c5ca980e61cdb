#include "gui/art/artwork_paint.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>

#include <cmath>
#include <numbers>
#include <random>

namespace tw::art::paint {

qreal pixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap cached(const QString& key, const std::function<QPixmap()>& paint)
{
    const QString keyAtRatio = key + QStringLiteral("@%1").arg(pixelRatio());
    QPixmap picture;
    if (QPixmapCache::find(keyAtRatio, &picture))
        return picture;
    picture = paint();
    QPixmapCache::insert(keyAtRatio, picture);
    return picture;
}

QImage canvas(int width, int height, qreal ratio)
{
    QImage image(int(std::ceil(width * ratio)), int(std::ceil(height * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

namespace {

// Pictures must look the same on every run, so the grain comes from a seeded
// engine of fixed definition rather than from std::random_device.
qreal uniform(std::minstd_rand& engine, qreal low, qreal high)
{
    return low + (high - low) * (engine() - engine.min()) / qreal(engine.max() - engine.min());
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

void fillWood(QPainter& painter, const QRectF& area, const QColor& base, unsigned seed)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, base.lighter(110));
    shade.setColorAt(1, base.darker(112));
    painter.fillRect(area, shade);

    // The grain lines are open paths: a brush left by the caller would fill them.
    painter.setBrush(Qt::NoBrush);
    std::minstd_rand engine(seed);
    const int lines = std::max(3, int(area.height() / 2.2));
    for (int i = 0; i < lines; ++i) {
        const qreal y0 = uniform(engine, area.top() - 4, area.bottom() + 4);
        const qreal amplitude = uniform(engine, 0.4, 2.8);
        const qreal wavelength = uniform(engine, 70, 260);
        const qreal phase = uniform(engine, 0, 2 * std::numbers::pi);
        const bool dark = uniform(engine, 0, 1) < 0.7;
        const QColor colour = dark ? withAlpha(base.darker(int(uniform(engine, 118, 150))),
                                               int(uniform(engine, 35, 95)))
                                   : withAlpha(base.lighter(int(uniform(engine, 110, 125))),
                                               int(uniform(engine, 30, 70)));
        painter.setPen(QPen(colour, uniform(engine, 0.5, 1.5)));
        QPainterPath grain;
        for (qreal x = area.left() - 2; x <= area.right() + 6; x += 4) {
            const qreal y = y0 + amplitude * std::sin(phase + 2 * std::numbers::pi * x / wavelength);
            if (x == area.left() - 2)
                grain.moveTo(x, y);
            else
                grain.lineTo(x, y);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPath(grain);
    }
    painter.restore();
}

void fillPaper(QPainter& painter, const QRectF& area, const QColor& base, unsigned seed)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    QLinearGradient shade(area.topLeft(), area.bottomRight());
    shade.setColorAt(0, base.lighter(103));
    shade.setColorAt(1, base.darker(104));
    painter.fillRect(area, shade);

    std::minstd_rand engine(seed);
    const int fibres = int(area.width() * area.height() / 90);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < fibres; ++i) {
        const QPointF from(uniform(engine, area.left(), area.right()),
                           uniform(engine, area.top(), area.bottom()));
        const qreal angle = uniform(engine, 0, std::numbers::pi);
        const qreal length = uniform(engine, 1.5, 5);
        painter.setPen(QPen(withAlpha(base.darker(125), int(uniform(engine, 10, 28))), 0.6));
        painter.drawLine(from, from + QPointF(length * std::cos(angle), length * std::sin(angle)));
    }
    painter.restore();
}

void drawBrassRim(QPainter& painter, const QRectF& area, qreal radius, qreal width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient metal(area.topLeft(), area.bottomRight());
    metal.setColorAt(0, kBrassLight);
    metal.setColorAt(0.45, kBrass);
    metal.setColorAt(1, kBrassDark);
    const QRectF middle = area.adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter.setPen(QPen(QBrush(metal), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(middle, radius, radius);
    painter.setPen(QPen(withAlpha(kWalnutDark, 150), 1));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), radius + width / 2, radius + width / 2);
    painter.restore();
}

void drawSunkenEdge(QPainter& painter, const QRectF& area, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 246, 225, 120), 1));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, 0.5, 0.5), radius, radius);
    painter.setPen(QPen(QColor(40, 22, 10, 140), 1));
    painter.drawRoundedRect(area.adjusted(-0.5, -0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

QImage greyedOut(const QImage& image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            // Pull the grey towards a light stone colour so the picture reads as
            // faded, and thin it out so the shelf behind shows through.
            const int level = (qGray(pixel) * 45 + 196 * 55) / 100;
            line[x] = qRgba(std::min(255, level + 3), level, std::max(0, level - 6), qAlpha(pixel) * 62 / 100);
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace tw::art::paint
