// The decorative scene: a mouse that cranks a music box while the cheese is
// held, an apple that drops off the ledge, and the puffs of smoke above the
// file buttons. The moving pictures keep transparent backgrounds so the
// painted wall and table show through around them.

#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"
#include "gui/art/layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace tw::art {

using namespace paint;

namespace paint {

void drawApple(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(radius, radius);

    QPainterPath body;
    body.moveTo(0, -0.68);
    body.cubicTo(0.45, -1.05, 1.08, -0.8, 1.0, -0.05);
    body.cubicTo(0.95, 0.7, 0.45, 1.05, 0.1, 0.9);
    body.cubicTo(0.0, 0.86, 0.0, 0.86, -0.1, 0.9);
    body.cubicTo(-0.45, 1.05, -0.95, 0.7, -1.0, -0.05);
    body.cubicTo(-1.08, -0.8, -0.45, -1.05, 0, -0.68);
    QRadialGradient skin(QPointF(-0.35, -0.35), 1.5);
    skin.setColorAt(0, kAppleRed.lighter(150));
    skin.setColorAt(0.45, kAppleRed);
    skin.setColorAt(1, kAppleRed.darker(170));
    painter.setPen(QPen(kAppleRed.darker(220), 0.06));
    painter.setBrush(skin);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(QPointF(-0.45, -0.3), 0.16, 0.24);

    QPainterPath stem;
    stem.moveTo(0, -0.6);
    stem.quadTo(0.02, -0.95, 0.2, -1.2);
    painter.setPen(QPen(kWalnutDark, 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);

    painter.translate(0.48, -1.02);
    painter.rotate(-25);
    painter.setPen(QPen(kLeaf.darker(160), 0.05));
    painter.setBrush(kLeaf);
    painter.drawEllipse(QPointF(), 0.36, 0.16);
    painter.restore();
}

void drawCheese(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 25.0, area.height() / 17.0);
    const QColor cheese(0xf5, 0xb8, 0x2e);
    painter.setPen(QPen(cheese.darker(170), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(cheese.lighter(115));
    painter.drawPolygon(QPolygonF{{1, 12}, {20, 1.5}, {24, 4}, {24, 6}, {3, 15}});
    painter.setBrush(cheese);
    painter.drawPolygon(QPolygonF{{1, 12}, {24, 6}, {24, 16}, {1, 16}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(cheese.darker(125));
    for (const auto& [x, y, r] : std::array<std::array<qreal, 3>, 4>{
             {{8, 13.5, 1.3}, {14, 11.5, 1.8}, {20, 13, 1.4}, {18.5, 9, 0.9}}})
        painter.drawEllipse(QPointF(x, y), r, r * 0.8);
    painter.restore();
}

} // namespace paint

namespace {

void drawMusicBox(QPainter& painter)
{
    // The lid stands open; its inside is cream with a brass bar.
    QPainterPath lid;
    lid.moveTo(5, 58);
    lid.lineTo(47, 58);
    lid.lineTo(50, 35);
    lid.lineTo(10, 35);
    lid.closeSubpath();
    painter.setPen(QPen(kWalnutDark, 1));
    painter.setBrush(kWalnut);
    painter.drawPath(lid);
    painter.setBrush(kCream);
    painter.drawPolygon(QPolygonF{{9, 56}, {43.5, 56}, {46, 38}, {13, 38}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBrass);
    painter.drawRect(QRectF(12, 50, 32, 2.5));

    const QRectF body(3, 58, 47, 31);
    fillWood(painter, body, kHoney, 71u);
    painter.setPen(QPen(kWalnutDark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(body);
    painter.fillRect(QRectF(3.5, 62, 46, 2.5), kWalnut);
    painter.fillRect(QRectF(3.5, 83, 46, 2.5), kWalnut);
    // The keyhole plate and the feet.
    painter.setPen(QPen(kBrassDark, 0.8));
    painter.setBrush(kBrass);
    painter.drawRoundedRect(QRectF(22, 68, 9, 11), 2, 2);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(26.5, 72), 1.2, 1.2);
    painter.drawRect(QRectF(26, 72, 1, 4));
    painter.setBrush(kBrass);
    painter.drawRoundedRect(QRectF(4, 88.5, 7, 3.5), 1, 1);
    painter.drawRoundedRect(QRectF(42, 88.5, 7, 3.5), 1, 1);
}

// The crank turns in a plane across the box's side, so from the front its
// knob rises and falls: down at rest, half way, up.
constexpr std::array<QPointF, 3> kKnob{{{57, 82}, {60, 72}, {57, 61}}};

void drawCrank(QPainter& painter, int frame)
{
    const QPointF axle(55, 72);
    painter.setPen(QPen(kBrassDark, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 72), axle);
    painter.setPen(QPen(kBrass, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(axle, kKnob[std::size_t(frame)]);
    painter.setPen(QPen(kBrassDark, 0.8));
    painter.setBrush(kBrassLight);
    painter.drawEllipse(axle, 1.8, 1.8);
}

void drawMouse(QPainter& painter, int frame)
{
    const QColor fur(0x9a, 0x88, 0x78);
    const QColor pink(0xe6, 0xa6, 0x98);
    const qreal lift = frame == 2 ? -2 : frame == 1 ? -1 : 0;
    const QPen outline(fur.darker(190), 0.9);

    QPainterPath tail;
    tail.moveTo(75, 86);
    tail.cubicTo(84, 84, 82, 70, 76, 66);
    painter.setPen(QPen(pink.darker(120), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tail);

    painter.setPen(outline);
    painter.setBrush(fur.darker(110));
    painter.drawEllipse(QPointF(63, 89.5), 4, 2);
    painter.drawEllipse(QPointF(73, 89.5), 4, 2);

    painter.setBrush(fur);
    painter.drawEllipse(QPointF(69, 76 + lift / 2), 9, 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCream);
    painter.drawEllipse(QPointF(65.5, 78 + lift / 2), 4.5, 8.5);

    // Head, ear, eye, nose and whiskers.
    const QPointF head(67, 55 + lift);
    painter.setPen(outline);
    painter.setBrush(fur);
    painter.drawEllipse(head + QPointF(4, -8), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pink);
    painter.drawEllipse(head + QPointF(4, -8), 3.5, 3.5);
    QPainterPath face;
    face.addEllipse(head, 8, 7.5);
    QPainterPath snout;
    snout.moveTo(head + QPointF(-3, -5));
    snout.quadTo(head + QPointF(-9, -1), head + QPointF(-11, 2));
    snout.quadTo(head + QPointF(-6, 6), head + QPointF(0, 6));
    snout.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(fur);
    painter.drawPath(face.united(snout));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pink.darker(130));
    painter.drawEllipse(head + QPointF(-10.8, 1.8), 1.5, 1.3);
    painter.setBrush(kInk);
    painter.drawEllipse(head + QPointF(-3.5, -1.5), 1.4, 1.6);
    painter.setPen(QPen(kInk, 0.5));
    painter.drawLine(head + QPointF(-7, 3), head + QPointF(-13, 1));
    painter.drawLine(head + QPointF(-7, 4), head + QPointF(-13, 5.5));

    // The arm reaches for the crank's knob; the paw holds it.
    const QPointF knob = kKnob[std::size_t(frame)];
    painter.setPen(QPen(fur.darker(115), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(64, 70 + lift / 2), knob + QPointF(1.5, 0));
    painter.setPen(QPen(fur.darker(190), 0.8));
    painter.setBrush(pink);
    painter.drawEllipse(knob + QPointF(0.5, 0), 2.4, 2.4);
}

// Notes rise from the box while it plays.
void drawRisingNotes(QPainter& painter, int frame)
{
    const Glyph eighth = noteGlyph(1);
    const QColor ink(kInk.red(), kInk.green(), kInk.blue(), 220);
    if (frame >= 1)
        drawGlyphAt(painter, eighth, QPointF(24, 27), 3.2, ink);
    if (frame == 2)
        drawGlyphAt(painter, eighth, QPointF(38, 18), 2.8, kFelt);
}

QPixmap paintAnimeFrame(int frame)
{
    QImage image = canvas(layout::kAnime.width(), layout::kAnime.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawMusicBox(painter);
    drawCrank(painter, frame);
    drawMouse(painter, frame);
    drawRisingNotes(painter, frame);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap paintSmoke()
{
    // One billowing cloud: overlapping puffs, larger low down, drifting up and
    // to the right, lit from the upper left like everything else.
    QImage image = canvas(layout::kSmoke1.width(), layout::kSmoke1.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    struct Puff { qreal x, y, r; };
    QPainterPath cloud;
    for (const Puff puff : std::array<Puff, 7>{{{9, 25, 7}, {17, 23, 8.5}, {25, 25.5, 6.5}, {13, 16, 6.5},
                                                {21, 14, 6}, {24, 7.5, 4.5}, {29, 3.5, 3}}})
        cloud.addEllipse(QPointF(puff.x, puff.y), puff.r, puff.r);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    QRadialGradient light(QPointF(12, 12), 26);
    light.setColorAt(0, QColor(255, 253, 248, 240));
    light.setColorAt(0.55, QColor(232, 226, 216, 225));
    light.setColorAt(1, QColor(176, 166, 154, 200));
    painter.setPen(QPen(QColor(120, 110, 100, 140), 0.8));
    painter.setBrush(light);
    painter.drawPath(cloud);
    // Soft curls inside the cloud.
    painter.setPen(QPen(QColor(160, 150, 140, 110), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(12, 19, 9, 8), 200 * 16, 120 * 16);
    painter.drawArc(QRectF(18, 10, 7, 7), 220 * 16, 110 * 16);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap paintFall()
{
    const QSize size = layout::kFallSize;
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    drawApple(painter, QPointF(size.width() / 2.0, size.height() * 0.58), size.width() * 0.42);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap smoke()
{
    return cached(QStringLiteral("tw-art/smoke"), paintSmoke);
}

QPixmap animeFrame(int frame)
{
    frame = std::clamp(frame, 0, 2);
    return cached(QStringLiteral("tw-art/anime/%1").arg(frame), [=] { return paintAnimeFrame(frame); });
}

QPixmap fallPicture()
{
    return cached(QStringLiteral("tw-art/fall"), paintFall);
}

} // namespace tw::art
