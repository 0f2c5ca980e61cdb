#pragma once
// How every toolbar image answers the mouse: the press shows the pressed
// picture (and the smoke beside Open and Save); the release shows the normal
// one again and tells whether the command runs, which it does only when the
// pointer is still over the image.

#include "core/ports.h"

namespace tw {

class Toolbar {
public:
    explicit Toolbar(ControlsPort& controls) : controls_(controls) {}

    void press(ToolImage image, PictureStore store, int button);
    //! True when the release runs the image's command.
    bool release(ToolImage image, PictureStore store, int button, double x, double y);
    bool releasedInside(ToolImage image, double x, double y) const;

private:
    ControlsPort& controls_;
};

} // namespace tw
