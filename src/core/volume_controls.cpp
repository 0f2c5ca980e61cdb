#include "core/volume_controls.h"

namespace tw {

std::vector<ProgramCall> linuxVolumeControls()
{
    return {
        {QStringLiteral("pavucontrol"), {}},
        {QStringLiteral("pwvucontrol"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
        {QStringLiteral("kmix"), {}},
        {QStringLiteral("xfce4-mixer"), {}},
    };
}

} // namespace tw
