#pragma once
// Colours, materials and glyphs that every artwork file paints with, so the
// toolbar, keyboard, buttons and scene share one palette and one light:
// the light falls from the upper left.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace tw::art::paint {

// The palette: walnut and honey wood, brass, cream paper, dark brown ink.
inline const QColor kWalnutDark{0x4a, 0x2e, 0x1c};
inline const QColor kWalnut{0x6e, 0x45, 0x28};
inline const QColor kHoney{0xb9, 0x83, 0x4c};
inline const QColor kHoneyLight{0xd6, 0xa8, 0x6c};
inline const QColor kBrassDark{0x86, 0x62, 0x24};
inline const QColor kBrass{0xc2, 0x96, 0x45};
inline const QColor kBrassLight{0xee, 0xd3, 0x8e};
inline const QColor kCream{0xf7, 0xef, 0xdc};
inline const QColor kCreamShade{0xe6, 0xd5, 0xb1};
inline const QColor kInk{0x3a, 0x27, 0x18};
inline const QColor kFelt{0x7c, 0x30, 0x2c};
inline const QColor kLeaf{0x6f, 0x8a, 0x4e};
inline const QColor kAppleRed{0xb8, 0x45, 0x35};
inline const QColor kRose{0xb8, 0x5c, 0x4c};

//! The device pixel ratio pictures are painted at: the highest of the screens', so a picture
//! is as sharp as the text beside it on a 1.5x or 2x screen (QT_SCALE_FACTOR included).
qreal pixelRatio();

//! The cached picture under `key` at the current pixel ratio, painted by `paint` on the first
//! request.
QPixmap cached(const QString& key, const std::function<QPixmap()>& paint);

//! A transparent ARGB image to paint a picture of `width` x `height` pixels on, at `ratio`:
//! its painter draws in those pixels, and the image holds `ratio` times as many each way.
QImage canvas(int width, int height, qreal ratio = pixelRatio());

//! Fills `area` with wood of base colour `base`: a soft gradient and wavy grain.
//! The same seed always gives the same grain.
void fillWood(QPainter& painter, const QRectF& area, const QColor& base, unsigned seed);

//! Fills `area` with cream paper: a faint warm gradient and a few fibres.
void fillPaper(QPainter& painter, const QRectF& area, const QColor& base, unsigned seed);

//! A rounded frame of polished brass around `area`, `width` pixels wide.
void drawBrassRim(QPainter& painter, const QRectF& area, qreal radius, qreal width);

//! An engraved (sunken) edge: dark on the upper left, light on the lower right.
void drawSunkenEdge(QPainter& painter, const QRectF& area, qreal radius);

//! The greyed look of a disabled control: desaturated, lightened and faded.
QImage greyedOut(const QImage& image);

//! A glyph of music type: filled shapes, each with its own fill rule, in units
//! of one staff space. Painted in one colour.
struct Glyph {
    std::vector<QPainterPath> parts;
    QRectF bounds() const;
};

//! Note length 0 to 7 (16th, 8th, dotted 8th, quarter, dotted quarter, half,
//! dotted half, whole), stem up.
Glyph noteGlyph(int lengthIndex);
//! Rest 0 to 4 (16th, 8th, quarter, half, whole).
Glyph restGlyph(int restIndex);
//! Two eighth notes joined by a beam.
Glyph beamedPairGlyph();

// Pieces of the decorative scene, shared by the background and the moving pictures.

//! A red apple with a stem and a leaf, its body `radius` pixels around `centre`.
void drawApple(QPainter& painter, QPointF centre, qreal radius);
//! A wedge of cheese with holes, filling `area`.
void drawCheese(QPainter& painter, const QRectF& area);

//! Paints `glyph` scaled to `space` pixels a staff space, its bounds centred in `box`.
void drawGlyphCentred(QPainter& painter, const Glyph& glyph, const QRectF& box, qreal space,
                      const QColor& colour);
//! Paints `glyph` scaled to `space` pixels a staff space with its origin at `origin`.
void drawGlyphAt(QPainter& painter, const Glyph& glyph, QPointF origin, qreal space,
                 const QColor& colour);

} // namespace tw::art::paint
