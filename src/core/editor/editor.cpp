#include "core/editor/editor.h"

namespace tw {

Editor::Editor(const Ports& ports)
    : ports_(ports),
      voice_(ports.midi, ports.controls),
      commands_(ports.controls, [this] { return voice_.MidiReady(); }),
      toolbar_(ports.controls),
      view_(document_, ports.list),
      entry_(document_, activity_, view_, commands_, {ports.list, ports.controls, ports.messages}),
      edits_(document_, view_, entry_, commands_, {ports.list, ports.controls, ports.messages}),
      files_(document_, view_, entry_, edits_, commands_,
             {ports.list, ports.controls, ports.messages, ports.dialogs}),
      player_(document_, activity_, view_, edits_, voice_, commands_, toolbar_,
              {ports.controls, ports.messages, ports.clock}),
      sender_(document_, activity_, view_, entry_, {ports.controls, ports.messages, ports.transfer}),
      lifecycle_(document_, activity_, entry_, edits_, voice_, {ports.controls, ports.messages, ports.dialogs}),
      help_(ports.help, ports.messages),
      animations_(ports.animation)
{
}

// ---- Start-up, reset, New, closing ----------------------------------------------------------

void Editor::Form_Load() { lifecycle_.load(); }
Closing Editor::Form_Unload() { return lifecycle_.unload(); }
void Editor::ResetDocument() { edits_.resetDocument(); }
void Editor::mnuNew_Click() { lifecycle_.newDocument(); }

void Editor::imgNew_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::New, PictureStore::New, button);
}

void Editor::imgNew_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::New, PictureStore::New, button, x, y))
        mnuNew_Click();
}

void Editor::imgEnd_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::End, PictureStore::End, button);
}

void Editor::imgEnd_MouseUp(int button, int, double x, double y)
{
    // A refusal simply leaves the application running.
    if (toolbar_.release(ToolImage::End, PictureStore::End, button, x, y))
        Form_Unload();
}

void Editor::mnuEnd_Click() { imgEnd_MouseUp(kLeftButton, 0, 1.0, 1.0); }

// ---- Command availability --------------------------------------------------------------------

void Editor::SetCommandStates(Setting insert, Setting del, Setting copy, Setting paste, Setting play,
                              Setting tempo, Setting send, Setting open, Setting save, Setting exit,
                              Setting newDoc, Setting undo)
{
    commands_.set({insert, del, copy, paste, play, tempo, send, open, save, exit, newDoc, undo});
}

void Editor::SetCommandStates(const CommandSettings& settings) { commands_.set(settings); }

// ---- Score list ----------------------------------------------------------------------------------

int Editor::PutRowText(int row, const QString& mark, const QString& pitch, const QString& length)
{
    return view_.putRowText(row, {mark, pitch, length});
}

void Editor::SelectRow(int row) { view_.selectRow(row); }
void Editor::RebuildScoreList() { view_.rebuild(); }
SelectedRange Editor::GetSelectedRange() const { return view_.selectedRange(); }
void Editor::ClearKeySelection() { entry_.clearKeySelection(); }
void Editor::ClearLengthSelection() { entry_.clearLengthSelection(); }

// ---- Note entry ----------------------------------------------------------------------------------

void Editor::imgKey_MouseDown(int index, int button)
{
    if (!entry_.answers(button))
        return;
    // The key sounds while the button is held, whatever its release then does.
    const int before = entry_.pressKey(index);
    voice_.noteOff(before);
    voice_.noteOn(index);
}

void Editor::imgKey_MouseUp(int index, int button)
{
    if (!entry_.answers(button))
        return;
    voice_.noteOff(index);
    entry_.releaseKey(index);
}

void Editor::imgLen_MouseDown(int index, int button)
{
    if (entry_.answers(button))
        entry_.pressLength(index);
}

void Editor::imgLen_MouseUp(int index, int button)
{
    if (entry_.answers(button))
        entry_.releaseLength(index);
}

void Editor::imgRest_MouseDown(int index, int button)
{
    if (entry_.answers(button))
        entry_.pressRest(index);
}

void Editor::imgRest_MouseUp(int index, int button)
{
    if (entry_.answers(button))
        entry_.releaseRest(index);
}

void Editor::lstScore_MouseUp(int button)
{
    if (entry_.answers(button))
        entry_.listClicked();
}

// ---- Title and tempo -----------------------------------------------------------------------------

void Editor::txtTitle_Change() { edits_.titleChanged(); }
void Editor::cmbTempo_Click() { edits_.tempoChosen(); }

// ---- Insert, delete, copy, paste, undo -------------------------------------------------------------

void Editor::imgInsert_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Insert, PictureStore::Insert, button);
}

void Editor::imgInsert_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Insert, PictureStore::Insert, button, x, y))
        edits_.insertRow();
}

void Editor::imgDel_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Del, PictureStore::Del, button);
}

void Editor::imgDel_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Del, PictureStore::Del, button, x, y))
        edits_.deleteRows();
}

void Editor::imgCopy_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Copy, PictureStore::Copy, button);
}

void Editor::imgCopy_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Copy, PictureStore::Copy, button, x, y))
        edits_.copyRows();
}

void Editor::imgPaste_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Paste, PictureStore::Paste, button);
}

void Editor::imgPaste_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Paste, PictureStore::Paste, button, x, y))
        edits_.pasteRows();
}

void Editor::mnuInsert_Click() { imgInsert_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuDel_Click() { imgDel_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuCopy_Click() { imgCopy_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuPaste_Click() { imgPaste_MouseUp(kLeftButton, 0, 1.0, 1.0); }

void Editor::TakeUndoSnapshot(int row) { edits_.takeUndoSnapshot(row); }

void Editor::imgUndo_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Undo, PictureStore::Undo, button);
}

void Editor::imgUndo_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Undo, PictureStore::Undo, button, x, y))
        edits_.undo();
}

void Editor::mnuUndo_Click() { imgUndo_MouseUp(kLeftButton, 0, 1.0, 1.0); }

// ---- Open and save ---------------------------------------------------------------------------------

void Editor::imgOpen_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Open, PictureStore::Open, button);
}

void Editor::imgOpen_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Open, PictureStore::Open, button, x, y))
        files_.open();
}

void Editor::mnuOpen_Click() { imgOpen_MouseUp(kLeftButton, 0, 1.0, 1.0); }

void Editor::imgSave_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Save, PictureStore::Save, button);
}

void Editor::imgSave_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Save, PictureStore::Save, button, x, y))
        files_.save();
}

void Editor::mnuSave_Click() { imgSave_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuImport_Click() { files_.importMelody(); }
void Editor::mnuExportMidi_Click() { files_.exportMidi(voice_.program()); }

// ---- MIDI, playback, tones -----------------------------------------------------------------------

void Editor::NoteOn(int key) { voice_.noteOn(key); }
void Editor::NoteOff(int key) { voice_.noteOff(key); }
void Editor::SendProgramChange(int program) { voice_.sendProgramChange(program); }
void Editor::imgPlay_MouseDown(int button, int, double, double) { player_.press(button); }
void Editor::imgPlay_MouseUp(int button, int, double x, double y) { player_.release(button, x, y); }
void Editor::EnableEditing(int flag) { player_.enableEditing(flag); }

void Editor::mnuTone_Click(int index)
{
    // The menu's tone entries are 1 to 5; entry 0 is the beep's own handler.
    if (index >= 1)
        voice_.chooseTone(index);
}

void Editor::mnuToneBeep_Click() { voice_.chooseTone(0); }

// ---- Sending to the chip ---------------------------------------------------------------------------

void Editor::imgSent_MouseDown(int button, int, double, double)
{
    toolbar_.press(ToolImage::Sent, PictureStore::Sent, button);
}

void Editor::imgSent_MouseUp(int button, int, double x, double y)
{
    if (toolbar_.release(ToolImage::Sent, PictureStore::Sent, button, x, y))
        sender_.send();
}

void Editor::mnuSent_Click() { imgSent_MouseUp(kLeftButton, 0, 1.0, 1.0); }

// ---- Help menu and animations ------------------------------------------------------------------------

void Editor::mnuVer_Click() { help_.showAbout(); }
void Editor::mnuVolCtrl_Click() { help_.startVolumeControl(); }
void Editor::imgCheese_MouseDown(int, int, double, double) { animations_.cheesePressed(); }
void Editor::imgCheese_MouseUp(int, int, double, double) { animations_.cheeseReleased(); }
void Editor::timerAnime_Timer() { animations_.animeTick(); }
void Editor::imgApple_Click() { animations_.appleClicked(); }
void Editor::imgApple_DblClick() { animations_.appleDoubleClicked(); }
void Editor::timerFall_Timer() { animations_.fallTick(); }

} // namespace tw
