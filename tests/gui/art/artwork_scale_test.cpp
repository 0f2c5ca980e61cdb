// On a screen of twice the pixel density (QT_SCALE_FACTOR=2) every picture is painted with
// twice the pixels each way, as sharp as the text beside it, not scaled up from its 1x look.

#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui_app.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace tw;

namespace {

//! Share of the 2 x 2 blocks of device pixels whose pixels differ: none in a picture that was
//! painted at 1x and doubled.
double detailedBlocks(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int blocks = 0;
    int detailed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            ++blocks;
            detailed += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first
                        || image.pixel(x + 1, y + 1) != first;
        }
    return double(detailed) / blocks;
}

} // namespace

TEST(ArtworkAtScale2, PicturesHaveTwiceThePixelsOfTheirControlsAndDetailInThem)
{
    // The program's only application: the factor must be set before it exists.
    qputenv("QT_SCALE_FACTOR", "2");
    guiApplication();
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0);

    struct Case {
        const char* name;
        QPixmap pixmap;
        QSize size;
    };
    const Case cases[] = {
        {"save tool", art::toolPicture(PictureStore::Save, Look::Normal), layout::kToolImage},
        {"key 12", art::keyPicture(12, false), art::keyRect(12).size()},
        {"quarter note", art::lengthPicture(3, false), layout::kEntryButton},
        {"background", art::background(), layout::kClientSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pixmap.devicePixelRatio(), 2.0);
        EXPECT_EQ(c.pixmap.deviceIndependentSize().toSize(), c.size);
        EXPECT_EQ(c.pixmap.size(), 2 * c.size);
        EXPECT_GT(detailedBlocks(c.pixmap), 0.05);
    }
}
