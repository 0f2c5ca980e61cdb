#pragma once
// Which program shows the system's volume control. The output volume decides
// whether the chip hears the transfer signal, so the Help menu offers the
// desktop's own mixer rather than a control of ours.

#include <QString>
#include <QStringList>
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

} // namespace tw
