#include "core/transfer/sender.h"

#include "codecs/transfer/transfer_code.h"
#include "core/message_catalogue.h"
#include "core/transfer/temp_wave_file.h"

namespace tw {
namespace {

//! The item data of the chosen tempo; the default tempo's while none is chosen.
int tempoItemData(int index)
{
    if (index < 0 || index >= int(TempoItems.size()))
        index = kDefaultTempoIndex;
    return TempoItems[std::size_t(index)].itemData;
}

} // namespace

Sender::Sender(const Document& document, Activity& activity, ScoreView& view, NoteEntry& entry,
               const Ports& ports)
    : document_(document), activity_(activity), view_(view), entry_(entry), ports_(ports)
{
}

void Sender::send()
{
    // Whatever the send came to, the list gets its row back and a half-made choice
    // of key or length is dropped.
    const auto closingSteps = [this] {
        ports_.controls.repaint();
        view_.selectCurrentRow();
        entry_.clearKeySelection();
        entry_.clearLengthSelection();
    };

    if (document_.EndRow == 1) {
        ports_.messages.tell(msg::kNoData, MessageIcon::Critical);
        return;
    }
    if (exceedsSendLimit(document_.EndRow - 1))
        ports_.messages.tell(msg::kSendRowLimit);

    const auto encoded = EncodeMelody(document_.rowCodes());
    if (!encoded) {
        ports_.messages.tell(msg::kInvalidData);
        return closingSteps();
    }

    const QString folder = CutAtNul(ports_.transfer.tempFolder().value_or(QString()));
    if (folder.isEmpty()) {
        ports_.messages.tell(msg::kNoTempFolder);
        return;
    }
    wavePath_ = folder + kTempWaveName;

    // A file that cannot be written is told as a failed save is, and nothing is
    // sent: playing a missing or broken file would look like a transfer to the user.
    const auto written = writeTempWave(wavePath_, *encoded, tempoItemData(ports_.controls.tempoIndex()));
    if (!written) {
        ports_.messages.show(msg::writeFailure(written.error()));
        return;
    }

    if (ports_.messages.ask(msg::kSendConfirm) == MessageAnswer::Ok) {
        bool played = false;
        {
            const Activity::Busy busy(activity_);
            played = ports_.transfer.showSendingWindowWhile(
                [this] { return ports_.transfer.playWave(wavePath_); });
        }
        // A transfer that did not sound must not pass for one that did.
        if (!played)
            ports_.messages.tell(msg::kSoundDevice, MessageIcon::Error);
    }
    closingSteps();
}

} // namespace tw
