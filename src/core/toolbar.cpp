#include "core/toolbar.h"

namespace tw {
namespace {

//! The smoke picture beside an image: 1 beside Open, 2 beside Save, 0 for none.
int smokeBeside(ToolImage image)
{
    switch (image) {
    case ToolImage::Open: return 1;
    case ToolImage::Save: return 2;
    default: return 0;
    }
}

} // namespace

void Toolbar::press(ToolImage image, PictureStore store, int button)
{
    // The right button belongs to no toolbar image; the middle one acts as the left.
    if (button == kRightButton)
        return;
    controls_.showToolPicture(image, store, Look::Pressed);
    if (const int smoke = smokeBeside(image))
        controls_.setSmokeVisible(smoke, true);
}

bool Toolbar::release(ToolImage image, PictureStore store, int button, double x, double y)
{
    if (button == kRightButton)
        return false;
    // The normal look and the hidden smoke come back on every release, also
    // when the pointer has left the image and the command does not run.
    controls_.showToolPicture(image, store, Look::Normal);
    if (const int smoke = smokeBeside(image))
        controls_.setSmokeVisible(smoke, false);
    return releasedInside(image, x, y);
}

bool Toolbar::releasedInside(ToolImage image, double x, double y) const
{
    const QSizeF size = controls_.toolImageSize(image);
    return x >= 0 && x <= size.width() && y >= 0 && y <= size.height();
}

} // namespace tw
