// Every picture fits its control, and the looks a user must tell apart differ plainly.

#include "gui_app.h"
#include "codecs/score/tables.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <vector>

using namespace tw;

namespace {

class Artwork : public testing::Test {
protected:
    static void SetUpTestSuite() { guiApplication(); }
};

struct Picture {
    QString name;
    QPixmap pixmap;
    QSize size;
};

std::vector<Picture> everyPicture()
{
    std::vector<Picture> all{
        {"background", art::background(), layout::kClientSize},
        {"smoke", art::smoke(), layout::kSmoke1.size()},
        {"fall", art::fallPicture(), layout::kFallSize},
        {"splash", art::splash(), QSize(420, 260)},
    };
    for (int store = 0; store <= int(PictureStore::Stop); ++store)
        for (const Look look : {Look::Disabled, Look::Normal, Look::Pressed})
            all.push_back({QStringLiteral("tool %1 look %2").arg(store).arg(int(look)),
                           art::toolPicture(PictureStore(store), look), layout::kToolImage});
    for (int key = kFirstKey; key <= kLastKey; ++key)
        for (const bool pressed : {false, true})
            all.push_back({QStringLiteral("key %1 pressed %2").arg(key).arg(pressed),
                           art::keyPicture(key, pressed), art::keyRect(key).size()});
    for (int i = 0; i < kLengthCount; ++i)
        for (const bool pressed : {false, true})
            all.push_back({QStringLiteral("length %1 pressed %2").arg(i).arg(pressed),
                           art::lengthPicture(i, pressed), layout::kEntryButton});
    for (int i = 0; i < kRestCount; ++i)
        for (const bool pressed : {false, true})
            all.push_back({QStringLiteral("rest %1 pressed %2").arg(i).arg(pressed),
                           art::restPicture(i, pressed), layout::kEntryButton});
    for (int frame = 0; frame < 3; ++frame)
        all.push_back({QStringLiteral("frame %1").arg(frame), art::animeFrame(frame), layout::kAnime.size()});
    return all;
}

//! Share of the pixels in which two pictures of one size differ clearly.
double differingShare(const QPixmap& a, const QPixmap& b)
{
    const QImage x = a.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.toImage().convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                                 + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
            differing += distance > 24 ? 1 : 0;
        }
    return double(differing) / (x.width() * x.height());
}

bool hasInk(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (qAlpha(image.pixel(column, row)) > 128)
                return true;
    return false;
}

} // namespace

TEST_F(Artwork, EveryPictureHasItsControlsSizeAndSomethingDrawn)
{
    for (const Picture& picture : everyPicture()) {
        SCOPED_TRACE(picture.name.toStdString());
        EXPECT_EQ(picture.size.width(), picture.pixmap.width());
        EXPECT_EQ(picture.size.height(), picture.pixmap.height());
        EXPECT_TRUE(hasInk(picture.pixmap));
    }
}

TEST_F(Artwork, PressedAndDisabledLooksDifferPlainlyFromTheNormalOne)
{
    // A tenth of the picture changing is well beyond anti-aliasing noise.
    constexpr double kPlain = 0.10;
    for (int store = 0; store <= int(PictureStore::Stop); ++store) {
        SCOPED_TRACE(store);
        const QPixmap normal = art::toolPicture(PictureStore(store), Look::Normal);
        EXPECT_GT(differingShare(normal, art::toolPicture(PictureStore(store), Look::Pressed)), kPlain);
        EXPECT_GT(differingShare(normal, art::toolPicture(PictureStore(store), Look::Disabled)), kPlain);
    }
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        SCOPED_TRACE(key);
        EXPECT_GT(differingShare(art::keyPicture(key, false), art::keyPicture(key, true)), kPlain);
    }
    for (int i = 0; i < kLengthCount; ++i)
        EXPECT_GT(differingShare(art::lengthPicture(i, false), art::lengthPicture(i, true)), kPlain) << i;
    for (int i = 0; i < kRestCount; ++i)
        EXPECT_GT(differingShare(art::restPicture(i, false), art::restPicture(i, true)), kPlain) << i;
}

TEST_F(Artwork, KeysFormAPianoKeyboard)
{
    // The white keys tile the keyboard from edge to edge; each black key lies
    // over the join of two neighbouring white keys.
    int nextWhiteLeft = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const QRect place = art::keyRect(key);
        EXPECT_LE(place.bottom() + 1, layout::kKeyboard.height()) << key;
        if (isBlackKey(key))
            continue;
        EXPECT_EQ(nextWhiteLeft, place.left()) << key;
        nextWhiteLeft = place.right() + 1;
    }
    EXPECT_EQ(layout::kKeyboard.width(), nextWhiteLeft);
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        if (!isBlackKey(key))
            continue;
        const QRect below = art::keyRect(key - 1), above = art::keyRect(key + 1);
        EXPECT_TRUE(art::keyRect(key).intersects(below) && art::keyRect(key).intersects(above)) << key;
    }
    EXPECT_TRUE(art::keyRect(kFirstKey - 1).isEmpty());
    EXPECT_TRUE(art::keyRect(kLastKey + 1).isEmpty());
}

TEST_F(Artwork, EveryToolCaptionFitsInsideItsTileWithRoomToTheRim)
{
    // The caption band below the drawing, and the face inside the brass rim, which covers the
    // outer 3.5 pixels of each side.
    constexpr int kCaptionTop = 27, kCaptionBottom = 40;
    constexpr int kFaceLeft = 4, kFaceRight = 43;
    for (int store = 0; store <= int(PictureStore::Stop); ++store) {
        for (const Look look : {Look::Normal, Look::Pressed}) {
            SCOPED_TRACE(testing::Message() << "tool " << store << " look " << int(look));
            const QImage tile = art::toolPicture(PictureStore(store), look).toImage().convertToFormat(QImage::Format_ARGB32);
            int left = kFaceRight + 1, right = kFaceLeft - 1;
            for (int y = kCaptionTop; y <= kCaptionBottom; ++y)
                for (int x = kFaceLeft; x <= kFaceRight; ++x)
                    if (qGray(tile.pixel(x, y)) < 150) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            ASSERT_LE(left, right) << "no caption drawn";
            // Two clear pixels of the face on either side, or a stroke seems to run into the rim.
            EXPECT_GE(left, kFaceLeft + 2);
            EXPECT_LE(right, kFaceRight - 2);
        }
    }
}

TEST_F(Artwork, IconComesFromTheSvgInTheResources)
{
    for (const int pixels : {16, 48, 256}) {
        const QPixmap icon = art::appIcon().pixmap(pixels);
        EXPECT_EQ(QSize(pixels, pixels), icon.size());
        EXPECT_TRUE(hasInk(icon)) << pixels;
    }
}
