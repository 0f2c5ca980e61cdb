#include "gui/window_controls.h"

#include "gui/art/artwork.h"
#include "gui/computer_keys.h"
#include "gui/focus_group.h"
#include "gui/picture_button.h"
#include "gui/place.h"
#include "gui/tool_images.h"

#include <QAction>
#include <QLabel>

namespace tw::gui {

namespace {

struct SmokePlace {
    const char* name;
    QRect place;
};

constexpr SmokePlace Smokes[]{
    {"imgKemuri1", layout::kSmoke1},
    {"imgKemuri2", layout::kSmoke2},
};

} // namespace

void buildToolImages(QWidget& client, WindowWidgets& widgets)
{
    for (const ToolImageInfo& info : ToolImages) {
        auto* image = place<PictureButton>(client, QLatin1String(info.name), info.place);
        image->setAccessibleName(text(info.caption));
        image->setToolTip(text(info.tooltip));
        image->setPixmap(art::toolPicture(info.store, Look::Normal));
        widgets.tools[std::size_t(info.image)] = image;
    }
    // The play button stays off until the editor knows there is a MIDI output.
    widgets.tool(ToolImage::Play)->setEnabled(false);
    widgets.tool(ToolImage::Play)->setPixmap(art::toolPicture(PictureStore::Play, Look::Disabled));
    widgets.tool(ToolImage::Play)->setToolTip(withKey(text(ToolImages[std::size_t(ToolImage::Play)].tooltip), kPlayKey));
    new FocusGroup({widgets.tools.begin(), widgets.tools.end()}, &client);

    for (std::size_t i = 0; i < widgets.smoke.size(); ++i) {
        auto* smoke = place<QLabel>(client, QLatin1String(Smokes[i].name), Smokes[i].place);
        smoke->setPixmap(art::smoke());
        smoke->hide();
        widgets.smoke[i] = smoke;
    }
}

void showToolKeys(const WindowWidgets& widgets)
{
    for (const ToolImageInfo& info : ToolImages) {
        if (!info.menuEntry)
            continue;
        const QKeySequence shortcut = widgets.menuEntry(*info.menuEntry)->shortcut();
        if (!shortcut.isEmpty())
            widgets.tool(info.image)->setToolTip(withKey(text(info.tooltip), shortcut[0]));
    }
}

void connectToolImages(const WindowWidgets& widgets, Editor& editor)
{
    for (const ToolImageInfo& info : ToolImages) {
        PictureButton* image = widgets.tool(info.image);
        QObject::connect(image, &PictureButton::pressedAt, image,
                         [&editor, press = info.press](int button, int shift, double x, double y) {
                             (editor.*press)(button, shift, x, y);
                         });
        QObject::connect(image, &PictureButton::releasedAt, image,
                         [&editor, release = info.release](int button, int shift, double x, double y) {
                             (editor.*release)(button, shift, x, y);
                         });
    }
}

} // namespace tw::gui
