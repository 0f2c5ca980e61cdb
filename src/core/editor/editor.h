#pragma once
// The main window `main` as the program sees it: every handler of the window,
// by the names the window's controls and events have (control name,
// underscore, event), and the state the handlers keep, to read.
//
// The window itself lives in the Qt shell, which forwards its events here; the
// editor answers only through the ports. Each handler forwards to the
// subsystem that owns the command:
//   score/     the document, the list view, note entry, the row edits and undo
//   files/     open and save
//   playback/  the MIDI output, its tone, the player
//   transfer/  sending to the chip
//   shell/     start-up, New and closing, the Help menu, the animations
// Commands shared by the subsystems (which commands are available, the toolbar
// protocol, whether the window is busy) live in core/ itself.

#include "core/activity.h"
#include "core/command_states.h"
#include "core/files/file_commands.h"
#include "core/playback/note_output.h"
#include "core/playback/player.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_edits.h"
#include "core/score/score_view.h"
#include "core/shell/animations.h"
#include "core/shell/help_commands.h"
#include "core/shell/lifecycle.h"
#include "core/toolbar.h"
#include "core/transfer/sender.h"

namespace tw {

class Editor {
public:
    explicit Editor(const Ports& ports);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // ---- The state, to read --------------------------------------------------
    const std::array<Row, kScoreSize>& ScoreData() const { return document_.ScoreData; }
    int CurrentRow() const { return document_.CurrentRow; }
    int EndRow() const { return document_.EndRow; }
    const QString& Title() const { return document_.Title; }
    const QString& FilePath() const { return document_.FilePath; }
    int Tempo() const { return document_.Tempo; }
    bool Saved() const { return document_.Saved; }
    const Document& document() const { return document_; }
    bool Idle() const { return activity_.idle(); }
    int CurKey() const { return entry_.state().CurKey; }
    int CurLength() const { return entry_.state().CurLength; }
    bool EntryOpen() const { return entry_.state().EntryOpen; }
    const std::vector<Row>& CopyBuffer() const { return edits_.copyBuffer(); }
    int CopyCount() const { return int(edits_.copyBuffer().size()); }
    const std::optional<UndoSnapshot>& UndoData() const { return edits_.undoData(); }
    bool MidiReady() const { return voice_.MidiReady(); }
    std::uint32_t NoteOnBase() const { return voice_.NoteOnBase(); }
    const std::array<int, 8>& ToneTable() const { return voice_.ToneTable(); }
    bool StopRequest() const { return player_.StopRequest(); }
    const QString& WavePath() const { return sender_.WavePath(); }
    int AnimeTag() const { return animations_.AnimeTag(); }

    // ---- Start-up, reset, New, closing ------------------------------------------
    void Form_Load();
    //! Refused keeps the window open. When it proceeds it closes the MIDI output and
    //! calls ControlsPort::endApplication itself, whichever way the closing started
    //! (close control, imgEnd, mnuEnd).
    Closing Form_Unload();
    void ResetDocument();
    void mnuNew_Click();
    void imgNew_MouseDown(int button, int shift, double x, double y);
    void imgNew_MouseUp(int button, int shift, double x, double y);
    void imgEnd_MouseDown(int button, int shift, double x, double y);
    void imgEnd_MouseUp(int button, int shift, double x, double y);
    void mnuEnd_Click();

    // ---- Command availability ---------------------------------------------------
    void SetCommandStates(Setting insert, Setting del, Setting copy, Setting paste, Setting play,
                          Setting tempo, Setting send, Setting open, Setting save, Setting exit,
                          Setting newDoc, Setting undo);
    void SetCommandStates(const CommandSettings& settings);

    // ---- Score list ---------------------------------------------------------------
    int PutRowText(int row, const QString& mark, const QString& pitch, const QString& length);
    void SelectRow(int row);
    void RebuildScoreList();
    SelectedRange GetSelectedRange() const;
    void ClearKeySelection();
    void ClearLengthSelection();

    // ---- Note entry -----------------------------------------------------------------
    void imgKey_MouseDown(int index, int button);
    void imgKey_MouseUp(int index, int button);
    void imgLen_MouseDown(int index, int button);
    void imgLen_MouseUp(int index, int button);
    void imgRest_MouseDown(int index, int button);
    void imgRest_MouseUp(int index, int button);
    void lstScore_MouseUp(int button);

    // ---- Title and tempo ----------------------------------------------------------
    void txtTitle_Change();
    void cmbTempo_Click();

    // ---- Insert, delete, copy, paste, undo ------------------------------------------
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
    void TakeUndoSnapshot(int row);
    void imgUndo_MouseDown(int button, int shift, double x, double y);
    void imgUndo_MouseUp(int button, int shift, double x, double y);
    void mnuUndo_Click();

    // ---- Open and save ------------------------------------------------------------
    void imgOpen_MouseDown(int button, int shift, double x, double y);
    void imgOpen_MouseUp(int button, int shift, double x, double y);
    void mnuOpen_Click();
    void imgSave_MouseDown(int button, int shift, double x, double y);
    void imgSave_MouseUp(int button, int shift, double x, double y);
    void mnuSave_Click();
    //! The File menu's import and MIDI export, which the window adds after Send.
    void mnuImport_Click();
    void mnuExportMidi_Click();

    // ---- MIDI, playback, tones ------------------------------------------------------
    void NoteOn(int key);
    void NoteOff(int key);
    void SendProgramChange(int program);
    void imgPlay_MouseDown(int button, int shift, double x, double y);
    void imgPlay_MouseUp(int button, int shift, double x, double y);
    void EnableEditing(int flag);
    void mnuTone_Click(int index);
    void mnuToneBeep_Click();

    // ---- Sending to the chip --------------------------------------------------------
    void imgSent_MouseDown(int button, int shift, double x, double y);
    void imgSent_MouseUp(int button, int shift, double x, double y);
    void mnuSent_Click();

    // ---- Help menu and animations ---------------------------------------------------
    void mnuVer_Click();
    void mnuVolCtrl_Click();
    void imgCheese_MouseDown(int button, int shift, double x, double y);
    void imgCheese_MouseUp(int button, int shift, double x, double y);
    void timerAnime_Timer();
    void imgApple_Click();
    void imgApple_DblClick();
    void timerFall_Timer();

private:
    //! Tests set up states the handlers reach only slowly (a score of 500 rows, a
    //! busy window) through this one door.
    friend struct EditorProbe;

    // In the order they are built: each part gets the parts before it.
    Ports ports_;
    Document document_;
    Activity activity_;
    NoteOutput voice_;
    CommandStates commands_;
    Toolbar toolbar_;
    ScoreView view_;
    NoteEntry entry_;
    ScoreEdits edits_;
    FileCommands files_;
    Player player_;
    Sender sender_;
    Lifecycle lifecycle_;
    HelpCommands help_;
    Animations animations_;
};

} // namespace tw
