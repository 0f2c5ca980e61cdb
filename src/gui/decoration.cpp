#include "gui/window_controls.h"

#include "core/editor/editor.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui/picture_button.h"
#include "gui/place.h"

#include <QLabel>

namespace tw::gui {

void buildDecoration(QWidget& client, WindowWidgets& widgets)
{
    widgets.imgAnime = place<QLabel>(client, QStringLiteral("imgAnime"), layout::kAnime);
    widgets.imgAnime->setPixmap(art::animeFrame(0));
    widgets.imgAnime->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QPoint fallStart(layout::kFallLeft / layout::kTwipsPerPixel,
                           layout::kFallStartTop / layout::kTwipsPerPixel);
    widgets.imgFall = place<QLabel>(client, QStringLiteral("imgFall"), QRect(fallStart, layout::kFallSize));
    widgets.imgFall->setPixmap(art::fallPicture());

    // The hot spots have no picture of their own: the background shows through.
    widgets.imgCheese = place<PictureButton>(client, QStringLiteral("imgCheese"), layout::kCheese);
    widgets.imgApple = place<PictureButton>(client, QStringLiteral("imgApple"), layout::kApple);
    // Hidden jokes of the scene, not controls one should have to Tab past.
    for (const auto& [spot, name] : {std::pair{widgets.imgCheese, u"チーズ"}, {widgets.imgApple, u"りんご"}}) {
        spot->setFocusPolicy(Qt::NoFocus);
        spot->setAccessibleName(text(name));
    }
}

void connectDecoration(const WindowWidgets& widgets, Editor& editor)
{
    QObject::connect(widgets.imgCheese, &PictureButton::pressedAt, widgets.imgCheese,
                     [&editor](int button, int shift, double x, double y) {
                         editor.imgCheese_MouseDown(button, shift, x, y);
                     });
    QObject::connect(widgets.imgCheese, &PictureButton::releasedAt, widgets.imgCheese,
                     [&editor](int button, int shift, double x, double y) {
                         editor.imgCheese_MouseUp(button, shift, x, y);
                     });
    QObject::connect(widgets.imgApple, &PictureButton::clickedOver, widgets.imgApple,
                     [&editor] { editor.imgApple_Click(); });
    QObject::connect(widgets.imgApple, &PictureButton::doubleClicked, widgets.imgApple,
                     [&editor] { editor.imgApple_DblClick(); });
}

} // namespace tw::gui
