// The toolbar pictures: a brass-rimmed cream tile with a small drawing and
// the command's name engraved below it. Pressed, the tile sinks and turns
// honey; disabled, the normal tile is faded to stone.

#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"
#include "gui/art/layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace tw::art {

using namespace paint;

namespace {

// Each drawing fills a box of 30 x 24 units with its origin at the top-left;
// the tile shows it 26 pixels wide above the caption.
constexpr QRectF kDrawingBox{0, 0, 30, 24};
constexpr QRectF kDrawingPlace{11, 5, 26, 20.8};
using Drawing = void (*)(QPainter&);

const QPen kInkPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

void drawSheet(QPainter& painter, const QRectF& sheet, bool fold)
{
    QPainterPath outline;
    const qreal corner = fold ? 6 : 0;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - corner, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + corner);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    painter.setPen(kInkPen);
    painter.setBrush(QColor(0xff, 0xfb, 0xf0));
    painter.drawPath(outline);
    if (fold) {
        QPainterPath flap;
        flap.moveTo(sheet.right() - corner, sheet.top());
        flap.lineTo(sheet.right() - corner, sheet.top() + corner);
        flap.lineTo(sheet.right(), sheet.top() + corner);
        painter.setBrush(kCreamShade);
        painter.drawPath(flap);
    }
    // A few staff lines on the sheet.
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 0.8));
    for (qreal y = sheet.top() + corner + 3; y < sheet.bottom() - 2; y += 3)
        painter.drawLine(QPointF(sheet.left() + 2.5, y), QPointF(sheet.right() - 2.5, y));
}

void drawNew(QPainter& painter)
{
    drawSheet(painter, QRectF(6, 1, 15, 21), true);
    // A brass star: a fresh page.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal radius = i % 2 ? 2.0 : 5.5;
        const qreal angle = i * std::numbers::pi / 4;
        const QPointF point(22 + radius * std::sin(angle), 17 - radius * std::cos(angle));
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(kBrassDark, 0.8));
    painter.setBrush(kBrass);
    painter.drawPath(star);
}

void drawFolder(QPainter& painter, bool open)
{
    painter.setPen(kInkPen);
    painter.setBrush(kHoney);
    QPainterPath back;
    back.moveTo(2, 21);
    back.lineTo(2, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 7.5);
    back.lineTo(24, 7.5);
    back.lineTo(24, 21);
    back.closeSubpath();
    painter.drawPath(back);
    if (open) {
        drawSheet(painter, QRectF(7, 3, 13, 13), false);
        painter.setPen(kInkPen);
        painter.setBrush(kHoneyLight);
        QPainterPath front;
        front.moveTo(2, 21);
        front.lineTo(6, 11);
        front.lineTo(27, 11);
        front.lineTo(24, 21);
        front.closeSubpath();
        painter.drawPath(front);
    }
}

void drawOpen(QPainter& painter) { drawFolder(painter, true); }

void drawSave(QPainter& painter)
{
    // A little walnut chest with a brass latch, and the sheet going in.
    painter.setPen(kInkPen);
    painter.setBrush(kWalnut);
    painter.drawRoundedRect(QRectF(3, 11, 22, 11), 1.5, 1.5);
    painter.setBrush(kHoney);
    painter.drawRoundedRect(QRectF(2, 8, 24, 4), 1.5, 1.5);
    painter.setPen(QPen(kBrassDark, 0.8));
    painter.setBrush(kBrass);
    painter.drawRect(QRectF(12, 11, 4, 4));
    painter.setPen(QPen(kFelt, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(14, 0.5), QPointF(14, 6));
    painter.drawPolyline(QPolygonF{{10.5, 3}, {14, 6.5}, {17.5, 3}});
}

void drawSent(QPainter& painter)
{
    // A speaker sending sound waves to the chip.
    painter.setPen(kInkPen);
    painter.setBrush(kBrass);
    QPainterPath speaker;
    speaker.moveTo(1, 9);
    speaker.lineTo(5, 9);
    speaker.lineTo(10, 4);
    speaker.lineTo(10, 20);
    speaker.lineTo(5, 15);
    speaker.lineTo(1, 15);
    speaker.closeSubpath();
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFelt, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 4 + 4 * i;
        painter.drawArc(QRectF(8 - r, 12 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    // The chip: a little black body with legs.
    painter.setPen(QPen(kInk, 1));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 16 + 2.2 * i;
        painter.drawLine(QPointF(21, y), QPointF(23, y));
        painter.drawLine(QPointF(27, y), QPointF(29, y));
    }
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(22.5, 14.5, 5, 7.5), 1, 1);
}

void drawPlay(QPainter& painter)
{
    QPainterPath triangle;
    triangle.moveTo(8, 2);
    triangle.lineTo(24, 12);
    triangle.lineTo(8, 22);
    triangle.closeSubpath();
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient leaf(0, 2, 0, 22);
    leaf.setColorAt(0, kLeaf.lighter(125));
    leaf.setColorAt(1, kLeaf.darker(115));
    painter.setBrush(leaf);
    painter.drawPath(triangle);
}

void drawStop(QPainter& painter)
{
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient red(0, 3, 0, 21);
    red.setColorAt(0, kAppleRed.lighter(125));
    red.setColorAt(1, kAppleRed.darker(115));
    painter.setBrush(red);
    painter.drawRoundedRect(QRectF(6, 3, 18, 18), 2.5, 2.5);
}

void drawCopy(QPainter& painter)
{
    drawSheet(painter, QRectF(4, 1, 13, 16), false);
    drawSheet(painter, QRectF(11, 6, 13, 16), false);
}

void drawPaste(QPainter& painter)
{
    painter.setPen(kInkPen);
    painter.setBrush(kHoney);
    painter.drawRoundedRect(QRectF(4, 3, 18, 20), 2, 2);
    painter.setBrush(kBrass);
    painter.drawRoundedRect(QRectF(9, 1, 8, 4), 1, 1);
    drawSheet(painter, QRectF(12, 8, 13, 15), false);
}

// Rows of the score list, for Insert and Delete.
void drawRows(QPainter& painter, int gap)
{
    painter.setPen(QPen(kInk, 1.2));
    painter.setBrush(QColor(0xff, 0xfb, 0xf0));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 1 + 6 * i + (i >= 2 ? gap : 0);
        painter.drawRect(QRectF(1, y, 18, 4));
    }
}

void drawInsert(QPainter& painter)
{
    drawRows(painter, 0);
    // A new row pushed in between the second and third.
    painter.setPen(QPen(kLeaf.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(21, 12), QPointF(28, 12));
    painter.drawLine(QPointF(24.5, 8.5), QPointF(24.5, 15.5));
    painter.setPen(QPen(kLeaf.darker(120), 1.2));
    painter.setBrush(kLeaf.lighter(150));
    painter.drawRect(QRectF(3, 10.5, 14, 3));
}

void drawDel(QPainter& painter)
{
    drawRows(painter, 0);
    painter.setPen(QPen(kAppleRed, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 4), QPointF(28, 12));
    painter.drawLine(QPointF(28, 4), QPointF(20, 12));
    painter.setPen(QPen(kAppleRed, 1.6));
    painter.drawLine(QPointF(0, 9), QPointF(20, 9));
}

void drawUndo(QPainter& painter)
{
    QPainterPath arc;
    arc.moveTo(7, 9);
    arc.cubicTo(14, 3, 27, 5, 25, 15);
    arc.cubicTo(24, 20, 18, 22, 12, 21);
    painter.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    QPainterPath head;
    head.moveTo(2, 11);
    head.lineTo(10, 3);
    head.lineTo(11, 13);
    head.closeSubpath();
    painter.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kInk);
    painter.drawPath(head);
}

void drawEnd(QPainter& painter)
{
    // An open walnut door and the way out.
    painter.setPen(kInkPen);
    painter.setBrush(kCreamShade);
    painter.drawRect(QRectF(4, 1, 14, 22));
    QPainterPath door;
    door.moveTo(4, 1);
    door.lineTo(12, 4);
    door.lineTo(12, 25);
    door.lineTo(4, 23);
    door.closeSubpath();
    painter.setBrush(kWalnut);
    painter.drawPath(door);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBrass);
    painter.drawEllipse(QPointF(10, 14), 1.1, 1.1);
    painter.setPen(QPen(kFelt, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(16, 12), QPointF(27, 12));
    painter.drawPolyline(QPolygonF{{23, 8}, {27, 12}, {23, 16}});
}

struct ToolArt {
    Drawing drawing;
    const char16_t* caption;
};

// By PictureStore. The captions are the commands' names as the menus give them.
const std::array<ToolArt, 12> kToolArt{{
    {drawNew, u"新規作成"},
    {drawOpen, u"開く"},
    {drawSave, u"保存"},
    {drawSent, u"送る"},
    {drawPlay, u"演奏"},
    {drawCopy, u"コピー"},
    {drawPaste, u"貼り付け"},
    {drawInsert, u"挿入"},
    {drawDel, u"削除"},
    {drawUndo, u"戻る"},
    {drawEnd, u"終了"},
    {drawStop, u"停止"},
}};

// Eleven pixels is the smallest size at which the kanji stay legible. A caption too wide for
// its place is squeezed sideways rather than shrunk; the font has no narrow cut of its own, so
// the squeeze is the painter's.
constexpr int kCaptionPixels = 11;
// Room between a caption and the rim, so no stroke runs into the brass.
constexpr qreal kCaptionMargin = 3;

void drawCaption(QPainter& painter, const QString& caption, const QRectF& box)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(kCaptionPixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetricsF metrics(font);
    const qreal natural = std::max(metrics.horizontalAdvance(caption), metrics.tightBoundingRect(caption).width());
    const qreal squeeze = std::min<qreal>(1, box.width() / natural);
    painter.save();
    painter.setFont(font);
    painter.translate(box.center().x(), box.top());
    painter.scale(squeeze, 1);
    painter.drawText(QRectF(-natural / 2, 0, natural, box.height()), Qt::AlignCenter, caption);
    painter.restore();
}

QImage paintTile(PictureStore store, bool pressed)
{
    const QSize size = layout::kToolImage;
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF tile(0.5, 0.5, size.width() - 1.5, size.height() - 1.5);
    if (!pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 15, 5, 80));
        painter.drawRoundedRect(tile.translated(1, 1.5), 7, 7);
    }
    const QRectF face = tile.adjusted(3, 3, -3, -3);
    QPainterPath facePath;
    facePath.addRoundedRect(face, 4.5, 4.5);
    painter.save();
    painter.setClipPath(facePath);
    fillPaper(painter, face, pressed ? QColor(0xe4, 0xc2, 0x86) : kCream, 500u + unsigned(store));
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    if (pressed) {
        light.setColorAt(0, QColor(60, 30, 8, 130));
        light.setColorAt(0.25, QColor(60, 30, 8, 0));
    } else {
        light.setColorAt(0, QColor(255, 255, 255, 80));
        light.setColorAt(0.5, QColor(255, 255, 255, 0));
        light.setColorAt(1, QColor(120, 80, 30, 40));
    }
    painter.fillRect(face, light);
    painter.restore();

    const ToolArt& art = kToolArt[std::size_t(store)];
    const QPointF shift = pressed ? QPointF(0.7, 1.0) : QPointF();
    painter.save();
    painter.translate(kDrawingPlace.topLeft() + shift);
    painter.scale(kDrawingPlace.width() / kDrawingBox.width(), kDrawingPlace.height() / kDrawingBox.height());
    art.drawing(painter);
    painter.restore();

    const QRectF captionBox(face.left() + kCaptionMargin, 27, face.width() - 2 * kCaptionMargin, 13);
    painter.setPen(pressed ? kInk.darker(130) : kInk);
    drawCaption(painter, QString::fromUtf16(art.caption), captionBox.translated(shift));

    drawBrassRim(painter, pressed ? tile.translated(0.5, 0.5) : tile, 6, 3);
    painter.end();
    return image;
}

} // namespace

QPixmap toolPicture(PictureStore store, Look look)
{
    return cached(QStringLiteral("tw-art/tool/%1/%2").arg(int(store)).arg(int(look)), [=] {
        switch (look) {
        case Look::Disabled:
            return QPixmap::fromImage(greyedOut(paintTile(store, false)));
        case Look::Pressed:
            return QPixmap::fromImage(paintTile(store, true));
        case Look::Normal:
            break;
        }
        return QPixmap::fromImage(paintTile(store, false));
    });
}

} // namespace tw::art
