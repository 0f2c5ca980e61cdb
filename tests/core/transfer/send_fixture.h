#pragma once
// The editor with its fakes, sending into the fake transfer's folder of real
// files; what was written is read back by decoding it as the chip would.

#include "codecs/transfer/transfer_decoder.h"
#include "codecs/transfer/wave_reader.h"
#include "support/editor_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <expected>

namespace tw::test {

const Message kNoData{QStringLiteral("データがありません"), MessageIcon::Critical};
const Message kRowLimit{QStringLiteral("127行目までのデータが送信されます。")};
const Message kInvalidData{QStringLiteral("無効なデータがあります。")};
const Message kNoTempFolder{QStringLiteral("テンポラリフォルダが取得できません")};
const Message kConfirm{QStringLiteral("Chimebox へデータを送信します。\r\n"
                                      "接続と音量を確認してＯＫを押してください。"),
                       MessageIcon::None, MessageButtons::OkCancel};
const Message kSoundDevice{QStringLiteral("サウンドデバイスが不正です。"), MessageIcon::Error};

//! What a file carries, as the chip hears it; why not, when it carries no whole message.
inline std::expected<DecodedTransfer, std::string> decodeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::unexpected("cannot open " + path.toStdString());
    const auto recording = readWaveFile(file);
    if (!recording)
        return std::unexpected(recording.error().toStdString());
    const auto decoded = decodeTransfer(*recording);
    if (!decoded)
        return std::unexpected(decoded.error().reason.toStdString());
    return *decoded;
}

//! `count` rows of notes across the keyboard and lengths, with a rest every
//! seventh row and, when `emptyEvery` is set, every emptyEvery-th row empty.
inline std::vector<RowCode> melody(int count, int emptyEvery = 0)
{
    std::vector<RowCode> rows;
    for (int i = 0; i < count; ++i) {
        if (emptyEvery && (i + 1) % emptyEvery == 0)
            rows.push_back(kEmptyRow);
        else if (i % 7 == 6)
            rows.push_back(RowCode(kRestBase + i % kRestCount));
        else
            rows.push_back(RowCode((kFirstKey + i * 7 % 25) * 10 + i % kLengthCount));
    }
    return rows;
}

class SendFixture : public EditorFixture {
protected:
    //! The send button clicked: pressed and released over it.
    void clickSend()
    {
        editor.imgSent_MouseDown(kLeftButton, 0, 1.0, 1.0);
        editor.imgSent_MouseUp(kLeftButton, 0, 1.0, 1.0);
    }

    //! Where the send writes in the fake's own temporary folder.
    QString wavePath() const { return transfer.folder.value_or(QString()) + QStringLiteral("temp.wav"); }
    bool waveWritten() const { return QFileInfo::exists(wavePath()); }

    //! A current row other than the end line, a selection elsewhere in the list,
    //! and a key and a length drawn pressed: what the closing steps put right.
    void disturbRowAndChoice(int currentRow)
    {
        clickRow(currentRow);
        list.click(0);
        editor.imgKey_MouseDown(12, kLeftButton);
        editor.imgLen_MouseDown(3, kLeftButton);
        entryState().CurKey = 12;
        entryState().CurLength = 3;
    }

    //! Whether the closing steps ran: the window repainted, the current row the
    //! only one selected, no key or length chosen or drawn pressed.
    ::testing::AssertionResult closingStepsRan(int repaintsBefore) const
    {
        const int row = editor.CurrentRow();
        if (controls.repaintCount() != repaintsBefore + 1)
            return ::testing::AssertionFailure() << "repainted " << controls.repaintCount() - repaintsBefore << " times";
        if (list.selectedIndexes() != std::vector<int>{row - 1})
            return ::testing::AssertionFailure() << "row " << row << " is not the one selected";
        if (editor.CurKey() != kNoKey || editor.CurLength() != kNoLength || !controls.pressedKeys().empty()
            || !controls.pressedLengths().empty())
            return ::testing::AssertionFailure() << "a key or length is still chosen";
        return ::testing::AssertionSuccess();
    }
};

} // namespace tw::test
