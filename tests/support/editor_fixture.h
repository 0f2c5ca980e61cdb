#pragma once
// A GoogleTest fixture owning every fake and an editor wired to them.
//
// SetUp starts the editor as the application does (Form_Load), with the MIDI
// output opening; SilentEditorFixture starts it with an output that fails to
// open. What start-up showed and sent is kept in `startUpMessages` and
// `startUpMidi`, and then cleared from the fakes (together with the picture
// log), so each test sees only what its own steps do. The fakes themselves
// are described in support/fake_ports.h.

#include "support/editor_probe.h"
#include "support/fake_ports.h"
#include "support/printers.h"

#include "core/editor/editor.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tw::test {

class EditorFixture : public ::testing::Test, protected FakePorts<> {
protected:
    //! Whether the MIDI output opens at start-up.
    virtual bool midiOpens() const { return true; }

    void SetUp() override
    {
        midi.opens = midiOpens();
        editor.Form_Load();
        startUpMessages = messages.takeShown();
        startUpMidi = midi.takeMessages();
        controls.clearPictureLog();
    }

    // ---- Note entry, as the mouse does it (left button down, then up) ----
    void clickKey(int key)
    {
        editor.imgKey_MouseDown(key, kLeftButton);
        editor.imgKey_MouseUp(key, kLeftButton);
    }
    void clickLength(int index)
    {
        editor.imgLen_MouseDown(index, kLeftButton);
        editor.imgLen_MouseUp(index, kLeftButton);
    }
    void enterNote(int key, int length)
    {
        clickKey(key);
        clickLength(length);
    }
    void enterRest(int index)
    {
        editor.imgRest_MouseDown(index, kLeftButton);
        editor.imgRest_MouseUp(index, kLeftButton);
    }

    // ---- Clicks on the score list (rows numbered from 1) ----
    void clickRow(int row)
    {
        list.click(row - 1);
        editor.lstScore_MouseUp(kLeftButton);
    }
    void shiftClickRow(int row)
    {
        list.shiftClickTo(row - 1);
        editor.lstScore_MouseUp(kLeftButton);
    }
    void ctrlClickRow(int row)
    {
        list.ctrlClick(row - 1);
        editor.lstScore_MouseUp(kLeftButton);
    }

    // ---- Title and tempo, as the user changes them ----
    void typeTitle(const QString& text)
    {
        controls.setTitleText(text);
        editor.txtTitle_Change();
    }
    void chooseTempo(int index)
    {
        controls.setTempoIndex(index);
        editor.cmbTempo_Click();
    }

    //! The state behind the editor's accessors, for steps that set it up directly.
    Document& document() { return EditorProbe::document(editor); }
    EntryState& entryState() { return EditorProbe::entry(editor); }
    //! Playing and sending make the window busy; `Activity::Busy` does it without them.
    Activity& activity() { return EditorProbe::activity(editor); }

    //! Puts rows straight into the document, as an opened file would, rebuilds
    //! the list, ends any pending entry and makes the blank end line current and
    //! selected. `Saved` and the command states are left as they were.
    void loadRows(const std::vector<RowCode>& codes)
    {
        editor.ClearKeySelection();
        editor.ClearLengthSelection();
        document().ScoreData.fill(Row{});
        for (std::size_t i = 0; i < codes.size(); ++i)
            document().ScoreData[i + 1] = Row{codes[i]};
        document().EndRow = int(codes.size()) + 1;
        document().CurrentRow = editor.EndRow();
        list.clear();
        editor.RebuildScoreList();
        editor.SelectRow(editor.EndRow());
        list.moveCaretDown();
    }

    //! The codes of the rows 1 to EndRow - 1.
    std::vector<RowCode> rows() const
    {
        return codesOf(std::span(editor.ScoreData()).subspan(1, std::size_t(editor.EndRow() - 1)));
    }

    //! The twelve commands that are enabled, in their fixed order, e.g.
    //! "Insert Tempo Open Exit New". A command whose controls disagree is
    //! listed with what disagrees: "Copy!menu" when the menu entry's enabled
    //! state differs from the image's, "Copy!picture" when the image does not
    //! show its normal (enabled) or disabled look.
    std::string commandStates() const
    {
        struct Command {
            const char* name;
            std::optional<ToolImage> image;
            std::optional<MenuEntry> menu;
            PictureStore store;
        };
        static const Command commands[] = {
            {"Insert", ToolImage::Insert, MenuEntry::Insert, PictureStore::Insert},
            {"Delete", ToolImage::Del, MenuEntry::Del, PictureStore::Del},
            {"Copy", ToolImage::Copy, MenuEntry::Copy, PictureStore::Copy},
            {"Paste", ToolImage::Paste, MenuEntry::Paste, PictureStore::Paste},
            {"Play", ToolImage::Play, std::nullopt, PictureStore::Play},
            {"Tempo", std::nullopt, std::nullopt, PictureStore::Play},
            {"Send", ToolImage::Sent, MenuEntry::Sent, PictureStore::Sent},
            {"Open", ToolImage::Open, MenuEntry::Open, PictureStore::Open},
            {"Save", ToolImage::Save, MenuEntry::Save, PictureStore::Save},
            {"Exit", ToolImage::End, MenuEntry::End, PictureStore::End},
            {"New", ToolImage::New, MenuEntry::New, PictureStore::New},
            {"Undo", ToolImage::Undo, MenuEntry::Undo, PictureStore::Undo},
        };
        std::string out;
        for (const auto& command : commands) {
            const bool enabled = command.image ? controls.isToolEnabled(*command.image)
                                               : controls.isTempoEnabled();
            std::string word = command.name;
            if (command.menu && controls.isMenuEntryEnabled(*command.menu) != enabled)
                word += "!menu";
            if (command.image) {
                const auto shown = controls.toolPicture(*command.image);
                const Look look = enabled ? Look::Normal : Look::Disabled;
                // While a melody plays, imgPlay shows the stop pictures.
                const bool rightStore = shown && (shown->store == command.store
                                                  || (command.image == ToolImage::Play
                                                      && shown->store == PictureStore::Stop));
                if (!rightStore || shown->look != look)
                    word += "!picture";
            }
            if (enabled || word != command.name)
                out += (out.empty() ? "" : " ") + word;
        }
        return out;
    }

    Editor editor{ports()};

    std::vector<Message> startUpMessages;
    std::vector<std::uint32_t> startUpMidi;
};

//! The editor started with a MIDI output that cannot be opened.
class SilentEditorFixture : public EditorFixture {
protected:
    bool midiOpens() const override { return false; }
};

//! The state a freshly started (or reset) editor shows.
inline constexpr const char* kStartUpStates = "Insert Tempo Open Exit New";

} // namespace tw::test
