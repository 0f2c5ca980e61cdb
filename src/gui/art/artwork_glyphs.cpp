// Note and rest symbols drawn as paths, in units of one staff space with the
// origin at the note head's centre (or the rest's middle). The proportions
// follow engraved music: a head a little wider than a space, a stem three and
// a half spaces long, flags that swing out and curl back towards the stem.

#include "gui/art/artwork_paint.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

namespace tw::art::paint {

namespace {

constexpr qreal kStemWidth = 0.17;
constexpr qreal kStemLength = 3.5;

QPainterPath ellipse(qreal radiusX, qreal radiusY, qreal degrees, QPointF centre = {})
{
    QPainterPath path;
    path.addEllipse(QPointF(), radiusX, radiusY);
    return QTransform().translate(centre.x(), centre.y()).rotate(degrees).map(path);
}

enum class Head { Filled, Hollow, Whole };

// The head's right edge, where an upward stem stands.
constexpr qreal kHeadRight = 0.64;

QPainterPath head(Head kind, QPointF centre = {})
{
    switch (kind) {
    case Head::Filled:
        return ellipse(0.66, 0.46, -20, centre);
    case Head::Hollow: {
        QPainterPath path = ellipse(0.66, 0.46, -20, centre);
        path.addPath(ellipse(0.48, 0.19, -32, centre));
        path.setFillRule(Qt::OddEvenFill);
        return path;
    }
    case Head::Whole: {
        QPainterPath path = ellipse(0.86, 0.5, 0, centre);
        path.addPath(ellipse(0.4, 0.27, 55, centre));
        path.setFillRule(Qt::OddEvenFill);
        return path;
    }
    }
    return {};
}

QPainterPath stem(qreal x, qreal top, qreal bottom)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(x - kStemWidth, top), QPointF(x, bottom)));
    return path;
}

// A flag hanging from the stem's top at `anchor` (the stem's left edge).
QPainterPath flag(QPointF anchor, qreal scale = 1.0)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(0.15, 0);
    path.cubicTo(0.2, 0.55, 0.6, 0.85, 0.88, 1.3);
    path.cubicTo(1.16, 1.75, 1.18, 2.4, 0.9, 3.05);
    path.cubicTo(0.98, 2.45, 0.86, 1.85, 0.15, 1.35);
    path.lineTo(0, 1.35);
    path.closeSubpath();
    return QTransform().translate(anchor.x(), anchor.y()).scale(1.0, scale).map(path);
}

QPainterPath dot(QPointF centre)
{
    QPainterPath path;
    path.addEllipse(centre, 0.21, 0.21);
    return path;
}

// One hook of an eighth or sixteenth rest: a round blob on the left whose tail
// sweeps right and up into the slanted stem at `joint`.
void addRestHook(std::vector<QPainterPath>& parts, QPointF blob, QPointF joint)
{
    QPainterPath round;
    round.addEllipse(blob, 0.3, 0.3);
    parts.push_back(round);
    QPainterPath tail;
    tail.moveTo(blob + QPointF(-0.05, 0.28));
    tail.cubicTo(blob + QPointF(0.45, 0.55), joint + QPointF(-0.45, 0.2), joint + QPointF(0.05, -0.08));
    tail.lineTo(joint + QPointF(0.1, 0.16));
    tail.cubicTo(joint + QPointF(-0.4, 0.48), blob + QPointF(0.4, 0.72), blob + QPointF(-0.12, 0.2));
    tail.closeSubpath();
    parts.push_back(tail);
}

// A pen stroke of `width` along `centreLine`.
QPainterPath stroke(const QPainterPath& centreLine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCurveThreshold(0.002);
    return stroker.createStroke(centreLine);
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath slantedStem(QPointF top, QPointF bottom)
{
    QPainterPath path;
    path.moveTo(top + QPointF(-0.1, 0));
    path.lineTo(top + QPointF(0.12, 0));
    path.lineTo(bottom + QPointF(0.1, 0));
    path.lineTo(bottom + QPointF(-0.12, 0));
    path.closeSubpath();
    return path;
}

std::vector<QPainterPath> quarterRest()
{
    // A Z over a c: a thin slash down to the right, a thick stroke back down to
    // the left, a slash down to the right again, and the hook curling under it.
    QPainterPath hook(QPointF(0.42, 0.72));
    hook.cubicTo(-0.1, 0.4, -0.62, 0.95, -0.02, 1.5);
    return {stroke(line({-0.22, -1.45}, {0.4, -0.72}), 0.2),
            stroke(line({0.34, -0.78}, {-0.18, -0.02}), 0.5, Qt::FlatCap),
            stroke(line({-0.24, 0.02}, {0.42, 0.72}), 0.24),
            stroke(hook, 0.26)};
}

QPainterPath block(bool hangsBelowLine)
{
    // Half and whole rests sit on, or hang from, a short stretch of staff line.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRect(QRectF(-1.0, -0.06, 2.0, 0.12));
    path.addRect(hangsBelowLine ? QRectF(-0.6, 0, 1.2, 0.55) : QRectF(-0.6, -0.55, 1.2, 0.55));
    return path;
}

} // namespace

QRectF Glyph::bounds() const
{
    QRectF all;
    for (const QPainterPath& part : parts)
        all = all.united(part.boundingRect());
    return all;
}

Glyph noteGlyph(int lengthIndex)
{
    const qreal stemX = kHeadRight;
    switch (lengthIndex) {
    case 0: { // sixteenth: a longer stem carries two flags
        const qreal top = -kStemLength - 0.5;
        return {{head(Head::Filled), stem(stemX, top, -0.15),
                 flag({stemX - kStemWidth, top}, 0.8), flag({stemX - kStemWidth, top + 0.95}, 0.85)}};
    }
    case 1:
    case 2: {
        Glyph glyph{{head(Head::Filled), stem(stemX, -kStemLength, -0.15),
                     flag({stemX - kStemWidth, -kStemLength})}};
        if (lengthIndex == 2)
            glyph.parts.push_back(dot({1.25, -0.1}));
        return glyph;
    }
    case 3:
    case 4: {
        Glyph glyph{{head(Head::Filled), stem(stemX, -kStemLength, -0.15)}};
        if (lengthIndex == 4)
            glyph.parts.push_back(dot({1.25, -0.1}));
        return glyph;
    }
    case 5:
    case 6: {
        Glyph glyph{{head(Head::Hollow), stem(stemX, -kStemLength, -0.15)}};
        if (lengthIndex == 6)
            glyph.parts.push_back(dot({1.25, -0.1}));
        return glyph;
    }
    default:
        return {{head(Head::Whole)}};
    }
}

Glyph restGlyph(int restIndex)
{
    switch (restIndex) {
    case 0: {
        const QPointF top(0.62, -1.25), bottom(-0.22, 1.75);
        const auto at = [&](qreal y) {
            const qreal t = (y - top.y()) / (bottom.y() - top.y());
            return QPointF(top.x() + t * (bottom.x() - top.x()), y);
        };
        Glyph glyph{{slantedStem(top, bottom)}};
        addRestHook(glyph.parts, {-0.3, -1.0}, at(-1.2));
        addRestHook(glyph.parts, {-0.58, 0.0}, at(-0.2));
        return glyph;
    }
    case 1: {
        Glyph glyph{{slantedStem({0.45, -0.75}, {-0.1, 1.3})}};
        addRestHook(glyph.parts, {-0.4, -0.5}, {0.45, -0.7});
        return glyph;
    }
    case 2:
        return {quarterRest()};
    case 3:
        return {{block(false)}};
    default:
        return {{block(true)}};
    }
}

Glyph beamedPairGlyph()
{
    const QPointF second(2.1, -0.5);
    const qreal firstTop = -kStemLength, secondTop = second.y() - kStemLength;
    QPainterPath beam;
    beam.moveTo(kHeadRight - kStemWidth, firstTop);
    beam.lineTo(second.x() + kHeadRight, secondTop);
    beam.lineTo(second.x() + kHeadRight, secondTop + 0.5);
    beam.lineTo(kHeadRight - kStemWidth, firstTop + 0.5);
    beam.closeSubpath();
    return {{head(Head::Filled), stem(kHeadRight, firstTop, -0.15), head(Head::Filled, second),
             stem(second.x() + kHeadRight, secondTop, second.y() - 0.15), beam}};
}

void drawGlyphAt(QPainter& painter, const Glyph& glyph, QPointF origin, qreal space,
                 const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.scale(space, space);
    for (const QPainterPath& part : glyph.parts)
        painter.fillPath(part, colour);
    painter.restore();
}

void drawGlyphCentred(QPainter& painter, const Glyph& glyph, const QRectF& box, qreal space,
                      const QColor& colour)
{
    const QRectF bounds = glyph.bounds();
    drawGlyphAt(painter, glyph, box.center() - bounds.center() * space, space, colour);
}

} // namespace tw::art::paint
