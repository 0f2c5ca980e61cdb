#include "shell/volume_controls.h"

#include <array>

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

std::optional<QString> windowsVolumeControl(int platformId, int majorVersion)
{
    // Only the NT family has a volume control we know by name; its program was
    // renamed when the audio stack was rebuilt in version 6.
    struct Choice {
        int majorVersion;
        const char16_t* program;
    };
    static constexpr std::array kNtChoices{
        Choice{5, u"sndvol32.exe"},
        Choice{6, u"sndvol.exe"},
    };
    if (platformId != kWindowsNtFamily)
        return std::nullopt;
    for (const auto& choice : kNtChoices) {
        if (choice.majorVersion == majorVersion)
            return QString::fromUtf16(choice.program);
    }
    return std::nullopt;
}

} // namespace tw
