#pragma once
// The main window `main` as the program sees it: the one document, its state,
// and every handler of the window. The handlers carry the names the users'
// manuals and the window's controls use (control name, underscore, event).
// The window itself lives in the Qt shell, which forwards its events here;
// the editor answers only through the ports.
//
// The handlers are defined in the subsystem folders of core/, one file per group:
//   shell/    editor.cpp (start-up, reset, New, closing), command_states.cpp,
//             toolbar.cpp, help_commands.cpp, animations.cpp
//   score/    score_list.cpp, note_entry.cpp, title_tempo.cpp, edit_commands.cpp, undo.cpp
//   files/    file_commands.cpp
//   playback/ note_output.cpp, play_command.cpp, tone_menu.cpp
//   transfer/ send_command.cpp

#include "codecs/score/row.h"
#include "codecs/score/row_text.h"
#include "codecs/score/tables.h"
#include "core/command_settings.h"
#include "core/ports.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tw {

inline const QString kAppTitle = QStringLiteral("Tunewright");
inline const QString kUntitled = QStringLiteral("無題");

//! Mouse button codes of the mouse handlers.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

//! The first and last row of the first block of selected items; (0, 0) when none.
struct SelectedRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const SelectedRange&, const SelectedRange&) = default;
};

//! The rows and their count before a row edit, and the row Undo makes current again.
struct UndoSnapshot {
    std::array<Row, kScoreSize> rows{};
    int endRow = 1;
    int row = 1;   //!< `UndoRow`
    friend bool operator==(const UndoSnapshot&, const UndoSnapshot&) = default;
};

//! The answer of the closing procedure: go on and end, or stay (the cancel flag).
enum class Closing { Proceed, Refused };

class Editor {
public:
    explicit Editor(const Ports& ports);

    // ---- Document state -------------------------------------------------
    std::array<Row, kScoreSize> ScoreData{};
    int CurrentRow = 1;
    int EndRow = 1;
    int CurKey = kNoKey;
    int CurLength = kNoLength;
    bool EntryOpen = false;
    bool Idle = true;
    bool Saved = true;
    QString Title = kUntitled;
    QString FilePath = kUntitled;
    int Tempo = 120;
    bool MidiReady = false;
    std::uint32_t NoteOnBase = 0;
    std::array<int, 8> ToneTable{};

    // Copy buffer and undo snapshot.
    std::vector<Row> CopyBuffer;   //!< the copied rows, at most 250
    int CopyCount() const { return int(CopyBuffer.size()); }
    //! The score as the last Insert, Delete or Paste found it; nothing after Undo and after
    //! playing, when there is nothing to take back.
    std::optional<UndoSnapshot> UndoData;

    // Playback and transfer.
    bool StopRequest = false;
    QString WavePath;

    // Decorative animations: imgAnime's frame counter (its tag).
    int AnimeTag = 0;

    // ---- Start-up, reset, New, closing (shell/editor.cpp) ----------------
    //! `main` Form_Load: opens the MIDI output, fills the state, resets the document.
    void Form_Load();
    //! `main` Form_Unload: the closing procedure; Refused keeps the window open.
    //! When it proceeds it closes the MIDI output and calls ControlsPort::endApplication
    //! itself, whichever way the closing started (close control, imgEnd, mnuEnd).
    Closing Form_Unload();
    void ResetDocument();
    void mnuNew_Click();
    void imgNew_MouseDown(int button, int shift, double x, double y);
    void imgNew_MouseUp(int button, int shift, double x, double y);
    void imgEnd_MouseDown(int button, int shift, double x, double y);
    void imgEnd_MouseUp(int button, int shift, double x, double y);
    void mnuEnd_Click();

    // ---- Command availability (shell/command_states.cpp) -----------------
    void SetCommandStates(Setting insert, Setting del, Setting copy, Setting paste, Setting play,
                          Setting tempo, Setting send, Setting open, Setting save, Setting exit,
                          Setting newDoc, Setting undo);
    void SetCommandStates(const CommandSettings& settings);

    // ---- Score list (score/score_list.cpp) ---------------------------------
    int PutRowText(int row, const QString& mark, const QString& pitch, const QString& length);
    void SelectRow(int row);
    void RebuildScoreList();
    SelectedRange GetSelectedRange() const;
    void ClearKeySelection();
    void ClearLengthSelection();

    // ---- Note entry (score/note_entry.cpp) ---------------------------------
    void imgKey_MouseDown(int index, int button);
    void imgKey_MouseUp(int index, int button);
    void imgLen_MouseDown(int index, int button);
    void imgLen_MouseUp(int index, int button);
    void imgRest_MouseDown(int index, int button);
    void imgRest_MouseUp(int index, int button);
    void lstScore_MouseUp(int button);

    // ---- Title and tempo (score/title_tempo.cpp) ---------------------------
    void txtTitle_Change();
    void cmbTempo_Click();

    // ---- Insert, delete, copy, paste (score/edit_commands.cpp) -------------
    void imgInsert_MouseDown(int button, int shift, double x, double y);
    void imgInsert_MouseUp(int button, int shift, double x, double y);
    void imgDel_MouseDown(int button, int shift, double x, double y);
    void imgDel_MouseUp(int button, int shift, double x, double y);
    void imgCopy_MouseDown(int button, int shift, double x, double y);
    void imgCopy_MouseUp(int button, int shift, double x, double y);
    void imgPaste_MouseDown(int button, int shift, double x, double y);
    void imgPaste_MouseUp(int button, int shift, double x, double y);
    void mnuInsert_Click();
    void mnuDel_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();

    // ---- Undo (score/undo.cpp) -----------------------------------------------
    void TakeUndoSnapshot(int row);
    void imgUndo_MouseDown(int button, int shift, double x, double y);
    void imgUndo_MouseUp(int button, int shift, double x, double y);
    void mnuUndo_Click();

    // ---- Open and save (files/file_commands.cpp) -----------------------------
    void imgOpen_MouseDown(int button, int shift, double x, double y);
    void imgOpen_MouseUp(int button, int shift, double x, double y);
    void mnuOpen_Click();
    void imgSave_MouseDown(int button, int shift, double x, double y);
    void imgSave_MouseUp(int button, int shift, double x, double y);
    void mnuSave_Click();

    // ---- MIDI, playback, tones (playback/) -----------------------------------
    //! Sounds a key of the keyboard (5 to 29); silent while MidiReady is false.
    void NoteOn(int key);
    //! Ends a key's sound; silent while MidiReady is false and for the rest key 99.
    void NoteOff(int key);
    //! Selects a program on channel 1. Sent even while MidiReady is false: a
    //! closed output drops it.
    void SendProgramChange(int program);
    void imgPlay_MouseDown(int button, int shift, double x, double y);
    void imgPlay_MouseUp(int button, int shift, double x, double y);
    void EnableEditing(int flag);
    void mnuTone_Click(int index);
    void mnuToneBeep_Click();

    // ---- Sending to the chip (transfer/send_command.cpp) ---------------------
    void imgSent_MouseDown(int button, int shift, double x, double y);
    void imgSent_MouseUp(int button, int shift, double x, double y);
    void mnuSent_Click();

    // ---- Help menu and animations (shell/help_commands.cpp, shell/animations.cpp)
    void mnuVer_Click();
    void mnuVolCtrl_Click();
    void imgCheese_MouseDown(int button, int shift, double x, double y);
    void imgCheese_MouseUp(int button, int shift, double x, double y);
    void timerAnime_Timer();
    void imgApple_Click();
    void imgApple_DblClick();
    void timerFall_Timer();

private:
    // Toolbar protocol (shell/toolbar.cpp): the press shows the pressed picture;
    // the release shows the normal one and tells whether it was inside the image.
    void pressTool(ToolImage image, PictureStore store, int button);
    bool releaseTool(ToolImage image, PictureStore store, int button, double x, double y);
    bool releasedInside(ToolImage image, double x, double y) const;
    void showMessage(const QString& text, MessageIcon icon = MessageIcon::None);
    MessageAnswer ask(const QString& text);

    // Note entry steps (score/note_entry.cpp).
    //! The two halves of a note the keys and the length buttons give.
    enum class NoteHalf { Key, Length };
    //! A key or a length released: the note written, the row made to wait, or a note changed.
    void enterNoteHalf(NoteHalf half, int index);
    bool refusedBeyondLastRow();
    void makePending(int row, const Row& pending);
    void changeNote(int row, int key, int length);
    //! Writes a whole row (a note or a rest) at CurrentRow and moves on to the next row,
    //! appending one where it was the end line; the entry ends.
    void writeAndMoveOn(const Row& written, const CommandSettings& appended, const CommandSettings& onRow);
    void selectAfterEntry(int row);
    void returnToPendingRow(int caret);
    //! The fields a row code shows; a pending code shows what was known while it was pending.
    static RowFields rowFields(const Row& row);
    //! Selects CurrentRow, the end line included, which SelectRow alone leaves unselected.
    void selectCurrentRow();

    // Row edits (score/edit_commands.cpp, score/undo.cpp).
    void insertRow();
    void deleteRows();
    void copyRows();
    void pasteRows();
    void undoLastEdit();
    //! Whether CurrentRow is a row or the end line; entry 0 is neither.
    bool hasCurrentRow() const;
    //! Rebuilds the list from ScoreData and selects the current row, the end line included.
    void showRowsAgain();

    Ports ports_;
};

} // namespace tw
