#pragma once
// Every text the editor shows in a message box, each written once, and the messages made of
// what the file readers and writers report. Readers and writers tell what happened; what the
// user is told of it is decided here.

#include "codecs/files/melody_file.h"
#include "codecs/files/read_failure.h"
#include "codecs/files/write_error.h"
#include "core/message.h"
#include "import/melody_import.h"

#include <QString>
#include <optional>
#include <vector>

namespace tw::msg {

// ---- Start-up and closing -------------------------------------------------------------
inline const QString kAlreadyRunning = QStringLiteral("既に起動しています。");
inline const QString kSoundDevice = QStringLiteral("サウンドデバイスが不正です。");
inline const QString kSoundDeviceAtStart = kSoundDevice + QStringLiteral(
    "\r\n\r\n"
    "サウンドカードが装着されていないか、ドライバが不正です。\r\n"
    "または、DirectX7以降がインストールされていません。");
//! Asked by New and by Open before an unsaved melody is replaced.
inline const QString kDiscardQuestion = QStringLiteral("編集中のデータが初期化されます。よろしいですか？");
inline const QString kExitQuestion =
    QStringLiteral("編集中のデータは保存されていません。\r\n終了してもよろしいですか？");
inline const QString kCannotStart = QStringLiteral("起動できません");

// ---- Note entry and row edits ---------------------------------------------------------
inline const QString kEntryRowLimit = QStringLiteral("500行を超えるので、追加することが出来ません。");
inline const QString kNoPitch = QStringLiteral("音階が未入力です。");
inline const QString kNoLength = QStringLiteral("音符が未入力です。");
inline const QString kInsertLimit = QStringLiteral("500行を超えるので、挿入することが出来ません。");
inline const QString kCopyLimit = QStringLiteral("250行よりも多くコピーすることは出来ません");
inline const QString kPasteLimit = QStringLiteral("貼り付け後に500行を超えるので、貼り付けできません。");

// ---- Title -------------------------------------------------------------------------------
inline const QString kTitleLimit = QStringLiteral("タイトルは全角32文字分までです。");
inline const QString kTitleCharacters = QStringLiteral("タイトルに使えない文字を「?」に置き換えました。");

// ---- Save, open, play and send -----------------------------------------------------------
//! Save, play and send refuse a score without rows with it.
inline const QString kNoData = QStringLiteral("データがありません");
inline const QString kOverwriteQuestion = QStringLiteral("上書きしてもよろしいですか？");
inline const QString kMissingFile = QStringLiteral("ファイルが存在しません。");
inline const QString kReadRowLimit = QStringLiteral("500行を超えた部分は読み込まれません。");
inline const QString kFileOpened = QStringLiteral("ファイルを開きました。");
inline const QString kInvalidLines = QStringLiteral("ファイルに不正な行が含まれています。");
inline const QString kSendRowLimit = QStringLiteral("127行目までのデータが送信されます。");
inline const QString kInvalidData = QStringLiteral("無効なデータがあります。");
inline const QString kNoTempFolder = QStringLiteral("テンポラリフォルダが取得できません");
inline const QString kSendConfirm = QStringLiteral("Chimebox へデータを送信します。\r\n"
                                                   "接続と音量を確認してＯＫを押してください。");

//! What the open command tells of a melody it read: while reading, the title limit (once,
//! when a title had to be cut) and the 500-row limit; at the very end, unless the rows were
//! cut, that the file was opened or the last invalid line it held.
struct ReadingReport {
    std::vector<Message> whileReading;
    std::optional<Message> closing;
};
ReadingReport readingReport(const MelodyReadResult& melody);

//! Why a file that exists could not be read, with its path.
Message readFailure(const QString& path, const ReadFailure& failure);

//! Why a MIDI file or ringtone could not be imported: the reader's own sentence about it.
Message importFailure(const QString& path, const QString& reason);

//! What importing did to fit the tune to the chip: where the line came from, the tempo
//! chosen, and how many notes were moved, merged, lengthened, shortened or dropped.
Message importReport(const ImportedMelody& melody);

//! Why writing a file failed, by the kind of the failure.
Message writeFailure(const WriteError& error);

} // namespace tw::msg
