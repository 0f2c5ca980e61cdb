#include "core/editor.h"
#include "codecs/transfer/transfer_code.h"
#include "core/message_catalogue.h"
#include "core/transfer/temp_wave_file.h"

#include <span>

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

void Editor::imgSent_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Sent, PictureStore::Sent, button);
}

void Editor::imgSent_MouseUp(int button, int, double x, double y)
{
    if (!releaseTool(ToolImage::Sent, PictureStore::Sent, button, x, y))
        return;
    // Whatever the send came to, the list gets its row back and a half-made choice
    // of key or length is dropped.
    const auto closingSteps = [this] {
        ports_.controls.repaint();
        selectCurrentRow();
        ClearKeySelection();
        ClearLengthSelection();
    };

    if (EndRow == 1) {
        showMessage(msg::kNoData, MessageIcon::Critical);
        return;
    }
    const int rowCount = EndRow - 1;
    if (exceedsSendLimit(rowCount))
        showMessage(msg::kSendRowLimit);

    const auto encoded = EncodeMelody(codesOf(std::span(ScoreData).subspan(1, std::size_t(rowCount))));
    if (!encoded) {
        showMessage(msg::kInvalidData);
        return closingSteps();
    }

    const QString folder = CutAtNul(ports_.transfer.tempFolder().value_or(QString()));
    if (folder.isEmpty()) {
        showMessage(msg::kNoTempFolder);
        return;
    }
    WavePath = folder + kTempWaveName;

    // A file that cannot be written is told as a failed save is, and nothing is
    // sent: playing a missing or broken file would look like a transfer to the user.
    const auto written = writeTempWave(WavePath, *encoded, tempoItemData(ports_.controls.tempoIndex()));
    if (!written) {
        ports_.messages.show(msg::writeFailure(written.error()));
        return;
    }

    if (ask(msg::kSendConfirm) == MessageAnswer::Ok) {
        Idle = false;
        const bool played =
            ports_.transfer.showSendingWindowWhile([this] { return ports_.transfer.playWave(WavePath); });
        Idle = true;
        // A transfer that did not sound must not pass for one that did.
        if (!played)
            showMessage(msg::kSoundDevice, MessageIcon::Error);
    }
    closingSteps();
}

void Editor::mnuSent_Click()
{
    imgSent_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

} // namespace tw
