// Lays every picture out on one sheet and writes it as a PNG.

#include "gui_app.h"
#include "codecs/score/tables.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace tw;

namespace {

class Sheet {
public:
    explicit Sheet(QPainter& painter) : painter_(painter) {}

    void place(const QPixmap& picture, const QString& label)
    {
        if (x_ + picture.width() > kWidth - kMargin)
            newRow();
        painter_.drawPixmap(x_, y_ + kLabel, picture);
        painter_.drawText(QRect(x_, y_, std::max(picture.width(), 40), kLabel), Qt::AlignLeft, label);
        x_ += std::max(picture.width(), 40) + kMargin;
        rowHeight_ = std::max(rowHeight_, picture.height() + kLabel);
    }
    void newRow()
    {
        x_ = kMargin;
        y_ += rowHeight_ + kMargin;
        rowHeight_ = 0;
    }
    int y() const { return y_; }

    static constexpr int kWidth = 1400;

private:
    static constexpr int kMargin = 10;
    static constexpr int kLabel = 14;
    QPainter& painter_;
    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
};

QPixmap mainWindow()
{
    // The background with every picture at its place, as the window shows it.
    QPixmap window = art::background();
    QPainter painter(&window);
    for (int key = kFirstKey; key <= kLastKey; ++key)
        if (!isBlackKey(key))
            painter.drawPixmap(art::keyRect(key).translated(layout::kKeyboard.topLeft()).topLeft(),
                               art::keyPicture(key, key == 12));
    for (int key = kFirstKey; key <= kLastKey; ++key)
        if (isBlackKey(key))
            painter.drawPixmap(art::keyRect(key).translated(layout::kKeyboard.topLeft()).topLeft(),
                               art::keyPicture(key, key == 18));
    for (int i = 0; i < kLengthCount; ++i)
        painter.drawPixmap(layout::kLengthRow.topLeft() + QPoint(i * layout::kEntryButtonStep, 0),
                           art::lengthPicture(i, i == 3));
    for (int i = 0; i < kRestCount; ++i)
        painter.drawPixmap(layout::kRestRow.topLeft() + QPoint(i * layout::kEntryButtonStep, 0),
                           art::restPicture(i, false));
    const std::pair<QRect, PictureStore> tools[] = {
        {layout::kNew, PictureStore::New}, {layout::kSent, PictureStore::Sent},
        {layout::kEnd, PictureStore::End}, {layout::kPlay, PictureStore::Play},
        {layout::kInsert, PictureStore::Insert}, {layout::kDel, PictureStore::Del},
        {layout::kCopy, PictureStore::Copy}, {layout::kPaste, PictureStore::Paste},
        {layout::kUndo, PictureStore::Undo}, {layout::kOpen, PictureStore::Open},
        {layout::kSave, PictureStore::Save}};
    for (const auto& [place, store] : tools) {
        const bool off = store == PictureStore::Paste || store == PictureStore::Undo;
        painter.drawPixmap(place.topLeft(), art::toolPicture(store, off ? Look::Disabled : Look::Normal));
    }
    painter.drawPixmap(layout::kSmoke1.topLeft(), art::smoke());
    painter.drawPixmap(layout::kAnime.topLeft(), art::animeFrame(0));
    painter.drawPixmap(layout::kFallLeft / layout::kTwipsPerPixel,
                       layout::kFallStartTop / layout::kTwipsPerPixel, art::fallPicture());
    painter.setPen(QColor(255, 0, 255, 120));
    for (const QRect& spot : {layout::kCheese, layout::kApple, layout::kScoreList, layout::kTitle,
                              layout::kTempo, layout::kPlayStartFrame})
        painter.drawRect(spot.adjusted(0, 0, -1, -1));
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    guiApplication();
    QImage image(Sheet::kWidth, 1300, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xd0, 0xd0, 0xd0));
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(10);
    painter.setFont(font);
    Sheet sheet(painter);

    sheet.place(mainWindow(), QStringLiteral("main window (magenta: places of other controls)"));
    sheet.place(art::splash(), QStringLiteral("splash"));
    sheet.newRow();
    for (int store = 0; store <= int(PictureStore::Stop); ++store)
        for (const Look look : {Look::Disabled, Look::Normal, Look::Pressed})
            sheet.place(art::toolPicture(PictureStore(store), look),
                        QStringLiteral("%1/%2").arg(store).arg(int(look)));
    sheet.newRow();
    for (const bool pressed : {false, true})
        for (int key = kFirstKey; key <= kLastKey; ++key)
            sheet.place(art::keyPicture(key, pressed), QString::number(key));
    sheet.newRow();
    for (const bool pressed : {false, true}) {
        for (int i = 0; i < kLengthCount; ++i)
            sheet.place(art::lengthPicture(i, pressed), QStringLiteral("L%1").arg(i));
        for (int i = 0; i < kRestCount; ++i)
            sheet.place(art::restPicture(i, pressed), QStringLiteral("R%1").arg(i));
    }
    sheet.newRow();
    for (int frame = 0; frame < 3; ++frame)
        sheet.place(art::animeFrame(frame), QStringLiteral("frame %1").arg(frame));
    sheet.place(art::smoke(), QStringLiteral("smoke"));
    sheet.place(art::fallPicture(), QStringLiteral("fall"));
    for (const int pixels : {16, 32, 48, 128})
        sheet.place(art::appIcon().pixmap(pixels), QStringLiteral("icon %1").arg(pixels));
    sheet.newRow();
    painter.end();
    return image.copy(0, 0, Sheet::kWidth, sheet.y()).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
