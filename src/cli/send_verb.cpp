#include "cli/console.h"
#include "cli/console_editor.h"
#include "cli/console_transfer.h"
#include "cli/verbs.h"
#include "sound/pulse_wave_player.h"


namespace tw::cli {

int sendMelody(const QString& path)
{
    // Sending plays no notes: no synthesizer is started for it.
    ConsoleTransfer transfer(std::make_unique<PulseWavePlayer>());
    ConsoleEditor console(nullptr, transfer);
    if (!console.open(path))
        return kUsageOrFileError;
    console.editor().mnuSent_Click();
    switch (transfer.reached()) {
    case SendReached::Refused:
        return kCannotProcess;
    case SendReached::TempFile:
        return kUsageOrFileError;
    case SendReached::NotPlayed:
        return kNoSoundOutput;
    case SendReached::Played:
        break;
    }
    return kSuccess;
}

} // namespace tw::cli
