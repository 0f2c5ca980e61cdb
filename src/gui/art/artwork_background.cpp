// The backdrop of the main window: a walnut cabinet with a cream score sheet
// on the left, the keyboard in its felt-lined well, the tile board, the brass
// toolbar plate and, below the tiles, a little room where a mouse keeps a
// music box and an apple tree grows by the wall.

#include "gui/art/artwork.h"
#include "gui/art/artwork_paint.h"
#include "gui/art/layout.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace tw::art {

using namespace paint;

namespace {

// Panels, a few pixels around the controls they hold.
constexpr QRect kScorePanel{4, 4, 248, 520};
constexpr QRect kKeyboardWell{252, 4, 338, 122};
constexpr QRect kTileBoard{252, 126, 338, 94};
constexpr QRect kToolPlate{597, 8, 160, 175};
constexpr QRect kRoom{252, 222, 338, 302};
constexpr QRect kNamePlate{602, 190, 150, 36};
constexpr QRect kComb{602, 234, 150, 64};
constexpr QRect kFileShelf{602, 306, 150, 108};
constexpr QRect kPhrase{602, 422, 150, 100};

constexpr int kTableTop = 421;   // the music box and the pot stand here
constexpr int kFloor = 503;      // the apple waits here before it drops

QFont captionFont(int pixels)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(pixels);
    return font;
}

void paintCabinet(QPainter& painter)
{
    const QRectF all(QPointF(0, 0), layout::kClientSize);
    fillWood(painter, all, kWalnut, 11u);
    painter.setPen(QPen(QColor(255, 230, 190, 60), 1));
    painter.drawLine(QPointF(0.5, 0.5), QPointF(all.right(), 0.5));
    painter.drawLine(QPointF(0.5, 0.5), QPointF(0.5, all.bottom()));
}

void paintScorePanel(QPainter& painter)
{
    const QRectF panel = kScorePanel;
    fillPaper(painter, panel.adjusted(3, 3, -3, -3), kCream, 21u);
    drawBrassRim(painter, panel, 5, 3);

    painter.setFont(captionFont(12));
    painter.setPen(kInk);
    painter.drawText(layout::kTitleCaption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("曲名"));
    painter.drawText(layout::kTempoCaption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("テンポ"));

    // A honey band behind the column headings, ruled off from the list.
    const QRectF band(layout::kScoreList.left(), layout::kHeadingNo.top() - 2,
                      layout::kScoreList.width(), layout::kScoreList.top() - layout::kHeadingNo.top() + 1);
    painter.fillRect(band, QColor(0xe8, 0xcf, 0x9c));
    painter.fillRect(QRectF(band.left(), band.bottom() - 1, band.width(), 1), kBrassDark);
    drawSunkenEdge(painter, QRectF(layout::kScoreList).adjusted(-1, -1, 1, 1), 0);
}

void paintKeyboardWell(QPainter& painter)
{
    const QRectF well = kKeyboardWell;
    painter.fillRect(well.adjusted(3, 3, -3, -3), kWalnutDark.darker(140));
    // The felt rail the keys pass under.
    const QRect keys = layout::kKeyboard;
    painter.fillRect(QRectF(keys.left() - 2, keys.top() - 7, keys.width() + 4, 7), kFelt);
    painter.fillRect(QRectF(keys.left() - 2, keys.top() - 1, keys.width() + 4, 1), kFelt.darker(160));
    drawBrassRim(painter, well, 4, 3);
}

void paintTileBoard(QPainter& painter)
{
    const QRectF board = kTileBoard;
    fillWood(painter, board.adjusted(3, 3, -3, -3), kHoney.darker(115), 31u);
    drawBrassRim(painter, board, 4, 3);

    // Beside the rests, a strip of music paper with a rest, a few notes and the final bar line.
    const QRectF strip(layout::kRestRow.right() + 8, layout::kRestRow.top(),
                       board.right() - layout::kRestRow.right() - 16, layout::kRestRow.height());
    fillPaper(painter, strip, kCream, 33u);
    drawSunkenEdge(painter, strip, 2);
    const qreal space = 4;
    const qreal bottomLine = strip.center().y() + 2 * space;
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 0.8));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(strip.left() + 4, bottomLine - i * space),
                         QPointF(strip.right() - 4, bottomLine - i * space));
    drawGlyphAt(painter, restGlyph(2), QPointF(strip.left() + 12, bottomLine - 2 * space), space, kInk);
    struct Note { qreal x; int length; qreal height; };
    for (const Note note : std::array<Note, 5>{{{26, 3, 1}, {40, 1, 2}, {54, 1, 2.5}, {68, 3, 1.5}, {84, 5, 2}}})
        drawGlyphAt(painter, noteGlyph(note.length),
                    QPointF(strip.left() + note.x, bottomLine - note.height * space), space, kInk);
    painter.fillRect(QRectF(strip.right() - 6, bottomLine - 4 * space, 1, 4 * space), kInk);
    painter.fillRect(QRectF(strip.right() - 4.5, bottomLine - 4 * space, 2, 4 * space), kInk);
}

void paintToolPlate(QPainter& painter)
{
    const QRectF plate = kToolPlate;
    fillWood(painter, plate.adjusted(3, 3, -3, -3), kWalnutDark, 41u);
    drawBrassRim(painter, plate, 5, 3);
    // Brass screws in the corners.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPointF corner : {plate.topLeft() + QPointF(4, 4), plate.topRight() + QPointF(-4, 4),
                                 plate.bottomLeft() + QPointF(4, -4), plate.bottomRight() + QPointF(-4, -4)}) {
        painter.setPen(QPen(kBrassDark, 0.8));
        painter.setBrush(kBrassLight);
        painter.drawEllipse(corner, 2.2, 2.2);
        painter.drawLine(corner + QPointF(-1.4, 1.4), corner + QPointF(1.4, -1.4));
    }
}

void paintNamePlate(QPainter& painter)
{
    const QRectF plate = kNamePlate;
    QLinearGradient brass(plate.topLeft(), plate.bottomRight());
    brass.setColorAt(0, kBrassLight);
    brass.setColorAt(0.5, kBrass);
    brass.setColorAt(1, kBrassDark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kWalnutDark, 1));
    painter.setBrush(brass);
    painter.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    // Engraved: a light edge under dark letters.
    painter.setPen(QColor(255, 244, 210, 160));
    painter.drawText(plate.translated(0.8, 0.8), Qt::AlignCenter, QStringLiteral("Tunewright"));
    painter.setPen(kWalnutDark);
    painter.drawText(plate, Qt::AlignCenter, QStringLiteral("Tunewright"));
}

// The heart of a music box: a pinned brass cylinder plucking a steel comb.
void paintComb(QPainter& painter)
{
    const QRectF area = kComb;
    fillWood(painter, area.adjusted(2, 2, -2, -2), kWalnutDark.lighter(115), 51u);
    drawSunkenEdge(painter, area.adjusted(2, 2, -2, -2), 3);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF drum(area.left() + 12, area.top() + 10, area.width() - 24, 20);
    QLinearGradient metal(drum.topLeft(), drum.bottomLeft());
    metal.setColorAt(0, kBrassDark);
    metal.setColorAt(0.35, kBrassLight);
    metal.setColorAt(1, kBrassDark);
    painter.setPen(QPen(kWalnutDark, 0.8));
    painter.setBrush(metal);
    painter.drawRoundedRect(drum, 3, 10);
    painter.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    const std::array<int, 14> pins{3, 9, 1, 6, 11, 4, 14, 8, 2, 12, 5, 10, 7, 13};
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const QPointF pin(drum.left() + 6 + 8.8 * i, drum.top() + 3 + pins[i]);
        painter.drawPoint(pin);
    }

    const qreal combTop = drum.bottom() + 3;
    QLinearGradient steel(0, combTop, 0, area.bottom() - 6);
    steel.setColorAt(0, QColor(0xd8, 0xd4, 0xcc));
    steel.setColorAt(1, QColor(0x8c, 0x88, 0x80));
    painter.setPen(Qt::NoPen);
    painter.setBrush(steel);
    const int teeth = 18;
    const qreal pitch = (drum.width() - 8) / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal length = 8 + 14.0 * (teeth - i) / teeth;
        painter.drawRect(QRectF(drum.left() + 4 + i * pitch, combTop, pitch - 1.5, length));
    }
}

void paintFileShelf(QPainter& painter)
{
    const QRectF shelf = kFileShelf;
    fillWood(painter, shelf.adjusted(3, 3, -3, -3), kHoney.darker(110), 61u);
    drawBrassRim(painter, shelf, 5, 3);
    // Chimney collars where the smoke comes out above the two buttons.
    for (const QRect& place : {layout::kOpen, layout::kSave}) {
        const QRectF collar(place.left() + 8, place.top() - 4, place.width() - 16, 4);
        painter.fillRect(collar, kBrassDark);
        painter.fillRect(collar.adjusted(0, 0, 0, -3), kBrassLight);
    }
}

void paintPhrase(QPainter& painter)
{
    const QRectF paper = kPhrase;
    fillPaper(painter, paper.adjusted(2, 2, -2, -2), kCream, 71u);
    drawBrassRim(painter, paper, 4, 2);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal space = 5;
    for (int staff = 0; staff < 2; ++staff) {
        const qreal bottom = paper.top() + 38 + staff * 42;
        painter.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 0.8));
        for (int i = 0; i < 5; ++i)
            painter.drawLine(QPointF(paper.left() + 8, bottom - i * space),
                             QPointF(paper.right() - 8, bottom - i * space));
        const std::array<qreal, 4> steps = staff == 0 ? std::array<qreal, 4>{1, 1.5, 2, 1.5}
                                                      : std::array<qreal, 4>{2.5, 2, 1.5, 1};
        for (std::size_t i = 0; i < steps.size(); ++i)
            drawGlyphAt(painter, staff == 0 ? noteGlyph(3) : noteGlyph(i == 3 ? 5 : 3),
                        QPointF(paper.left() + 26 + 28 * i, bottom - steps[i] * space), space, kInk);
    }
}

void paintTree(QPainter& painter)
{
    // A potted apple tree; the lowest apple is the hot spot that drops the other.
    const QRectF hotSpot = layout::kApple;
    const QPointF crown(346, 328);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath trunk;
    trunk.moveTo(342, kTableTop - 22);
    trunk.cubicTo(344, 380, 340, 362, 346, 340);
    trunk.lineTo(350, 340);
    trunk.cubicTo(348, 362, 352, 380, 350, kTableTop - 22);
    trunk.closeSubpath();
    painter.setPen(QPen(kWalnutDark, 0.8));
    painter.setBrush(kWalnut);
    painter.drawPath(trunk);

    struct Leaf { qreal dx, dy, r; };
    const std::array<Leaf, 9> clumps{{{-22, 6, 17}, {20, 8, 17}, {0, -14, 20}, {-16, -16, 14},
                                      {18, -16, 15}, {0, 10, 18}, {-30, -4, 11}, {30, -4, 11},
                                      {4, -30, 12}}};
    for (const Leaf& leaf : clumps) {
        const QPointF at = crown + QPointF(leaf.dx, leaf.dy);
        QRadialGradient green(at - QPointF(leaf.r / 3, leaf.r / 3), leaf.r * 1.4);
        green.setColorAt(0, kLeaf.lighter(130));
        green.setColorAt(1, kLeaf.darker(140));
        painter.setPen(QPen(kLeaf.darker(170), 0.7));
        painter.setBrush(green);
        painter.drawEllipse(at, leaf.r, leaf.r);
    }
    drawApple(painter, crown + QPointF(-26, -12), 5.5);
    drawApple(painter, crown + QPointF(22, -20), 5.5);
    drawApple(painter, hotSpot.center() + QPointF(0, 1), 7);

    // The pot.
    QPainterPath pot;
    pot.moveTo(328, kTableTop - 24);
    pot.lineTo(364, kTableTop - 24);
    pot.lineTo(359, kTableTop);
    pot.lineTo(333, kTableTop);
    pot.closeSubpath();
    QLinearGradient clay(328, 0, 364, 0);
    clay.setColorAt(0, kRose.lighter(120));
    clay.setColorAt(1, kRose.darker(130));
    painter.setPen(QPen(kRose.darker(190), 0.8));
    painter.setBrush(clay);
    painter.drawPath(pot);
    painter.drawRect(QRectF(326, kTableTop - 27, 40, 5));
}

void paintRoom(QPainter& painter)
{
    const QRectF room = kRoom;
    const QRectF inner = room.adjusted(3, 3, -3, -3);
    painter.save();
    painter.setClipRect(inner);

    // Striped cream wallpaper.
    QLinearGradient wall(inner.topLeft(), inner.bottomLeft());
    wall.setColorAt(0, QColor(0xf4, 0xe6, 0xc6));
    wall.setColorAt(1, QColor(0xe6, 0xd0, 0xa4));
    painter.fillRect(inner, wall);
    for (qreal x = inner.left() + 6; x < inner.right(); x += 14)
        painter.fillRect(QRectF(x, inner.top(), 5, kTableTop - inner.top()), QColor(0xc8, 0x9a, 0x5a, 30));

    // The little wall shelf that holds the cheese.
    const QRectF cheese = layout::kCheese;
    const QRectF plank(cheese.left() - 14, cheese.bottom(), cheese.width() + 28, 5);
    fillWood(painter, plank, kHoney, 81u);
    painter.setPen(QPen(kWalnutDark, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plank);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBrassDark, 1.5));
    for (const qreal x : {plank.left() + 6, plank.right() - 6})
        painter.drawPolyline(QPolygonF{{x, plank.bottom()}, {x, plank.bottom() + 8},
                                       {x + (x < cheese.center().x() ? 8 : -8), plank.bottom()}});
    drawCheese(painter, cheese);

    // A framed sheet of music on the wall, above the music box.
    const QRectF frame(layout::kAnime.left() - 2, 236, 84, 58);
    fillPaper(painter, frame.adjusted(3, 3, -3, -3), kCream, 83u);
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 0.7));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(frame.left() + 8, frame.top() + 20 + 4 * i),
                         QPointF(frame.right() - 8, frame.top() + 20 + 4 * i));
    drawGlyphAt(painter, beamedPairGlyph(), QPointF(frame.left() + 26, frame.top() + 34), 4, kInk);
    drawGlyphAt(painter, noteGlyph(5), QPointF(frame.left() + 54, frame.top() + 30), 4, kInk);
    painter.setPen(QPen(kWalnutDark, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(1.5, 1.5, -1.5, -1.5));

    // The table: its top, its apron and two legs, and the floor below.
    fillWood(painter, QRectF(inner.left(), kTableTop, inner.width(), 7), kHoneyLight, 85u);
    fillWood(painter, QRectF(inner.left() + 4, kTableTop + 7, inner.width() - 8, 16), kHoney.darker(120), 87u);
    painter.fillRect(QRectF(inner.left(), kTableTop, inner.width(), 1), kWalnutDark);
    painter.fillRect(QRectF(inner.left(), kTableTop + 7, inner.width(), 1), kWalnutDark);
    for (const qreal x : {inner.left() + 10, inner.right() - 22})
        fillWood(painter, QRectF(x, kTableTop + 23, 12, kFloor - kTableTop - 23), kHoney.darker(125), 89u);
    painter.fillRect(QRectF(inner.left(), kTableTop + 23, inner.width(), kFloor - kTableTop - 23),
                     QColor(60, 30, 10, 40));
    fillWood(painter, QRectF(inner.left(), kFloor, inner.width(), inner.bottom() - kFloor), kWalnut, 91u);
    painter.fillRect(QRectF(inner.left(), kFloor, inner.width(), 1), kWalnutDark);
    painter.fillRect(QRectF(inner.left(), kFloor + 1, inner.width(), 1), QColor(255, 230, 190, 70));

    paintTree(painter);
    painter.restore();
    drawBrassRim(painter, room, 5, 3);
}

QPixmap paintBackground()
{
    QImage image = canvas(layout::kClientSize.width(), layout::kClientSize.height());
    image.fill(kWalnut);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCabinet(painter);
    paintScorePanel(painter);
    paintKeyboardWell(painter);
    paintTileBoard(painter);
    paintToolPlate(painter);
    paintNamePlate(painter);
    paintComb(painter);
    paintFileShelf(painter);
    paintPhrase(painter);
    paintRoom(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap background()
{
    return cached(QStringLiteral("tw-art/background"), paintBackground);
}

} // namespace tw::art
