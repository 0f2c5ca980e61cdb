#pragma once
// Which program shows the system's volume control. The output volume decides
// whether the chip hears the transfer signal, so the Help menu offers the
// desktop's own mixer rather than a control of ours.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tw {

//! A program to start by name, with its arguments.
struct ProgramCall {
    QString program;
    QStringList arguments;
    friend bool operator==(const ProgramCall&, const ProgramCall&) = default;
};

//! The volume controls of the Linux desktops, in the order they are tried:
//! the PulseAudio and PipeWire mixers work under any desktop, so they come
//! before the GNOME, KDE and Xfce ones.
std::vector<ProgramCall> linuxVolumeControls();

//! Platform identifiers of the Windows version record.
inline constexpr int kWindowsConsumerFamily = 1;
inline constexpr int kWindowsNtFamily = 2;

//! The volume control of a Windows version given by its platform identifier
//! and major version number; nothing for a version that has none we can start.
std::optional<QString> windowsVolumeControl(int platformId, int majorVersion);

} // namespace tw
