#include "codecs/midi/midi_messages.h"
#include "core/editor.h"
#include "core/message_catalogue.h"

#include <algorithm>

namespace tw {

Editor::Editor(const Ports& ports) : ports_(ports) {}

void Editor::Form_Load()
{
    ports_.dialogs.makeProgramFolderCurrent();

    if (ports_.midi.open()) {
        MidiReady = true;
        std::ranges::copy(TonePrograms, ToneTable.begin());
        SendProgramChange(ToneTable[0]);
        NoteOnBase = kNoteOnBase;
    } else {
        // The editor runs on silent: playing stays unavailable and the keys make no sound.
        showMessage(msg::kSoundDeviceAtStart, MessageIcon::Error);
    }

    CurKey = kNoKey;
    CurLength = kNoLength;
    Tempo = 120;
    EntryOpen = false;
    CurrentRow = 1;
    EndRow = 1;
    Idle = true;
    Saved = true;

    Title = kUntitled;
    ports_.controls.setTitleText(Title);
    FilePath = kUntitled;

    ResetDocument();
}

void Editor::ResetDocument()
{
    Title = kUntitled;
    FilePath = kUntitled;
    ports_.controls.setPlayStartOption(0);
    ScoreData.fill(Row{});
    ports_.list.clear();
    ports_.list.insertItem(0, QString());
    // The change handlers of the title and the tempo are not run here: all they
    // do is mark the document modified and enable Save, which the next two
    // steps undo.
    ports_.controls.setTitleText(Title);
    ports_.controls.setTempoIndex(kDefaultTempoIndex);
    Saved = true;
    SetCommandStates(after::Reset);
}

void Editor::mnuNew_Click()
{
    if (!Saved && EndRow > 1 && ask(msg::kDiscardQuestion) == MessageAnswer::Cancel)
        return;
    ResetDocument();
    ClearKeySelection();
    ClearLengthSelection();
    Saved = true;
    Title = kUntitled;
    EntryOpen = false;
    CurrentRow = 1;
    EndRow = 1;
}

void Editor::imgNew_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::New, PictureStore::New, button);
}

void Editor::imgNew_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::New, PictureStore::New, button, x, y))
        mnuNew_Click();
}

Closing Editor::Form_Unload()
{
    // Playing and sending run nested event loops; the window must outlive them.
    if (!Idle)
        return Closing::Refused;
    if (!Saved && EndRow > 1 && ask(msg::kExitQuestion) == MessageAnswer::Cancel)
        return Closing::Refused;
    if (MidiReady) {
        ports_.midi.close();
        MidiReady = false;
    }
    ports_.controls.endApplication();
    return Closing::Proceed;
}

void Editor::imgEnd_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::End, PictureStore::End, button);
}

void Editor::imgEnd_MouseUp(int button, int, double x, double y)
{
    // A refusal simply leaves the application running.
    if (releaseTool(ToolImage::End, PictureStore::End, button, x, y))
        Form_Unload();
}

void Editor::mnuEnd_Click()
{
    imgEnd_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

} // namespace tw
