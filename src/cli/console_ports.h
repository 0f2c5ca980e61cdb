#pragma once
// The editor's ports as the command line has them. There is no window: the
// controls keep only the values the commands read back, the score list only its
// items and the caret (the playing row), and the message boxes are lines on
// standard error whose questions the command line answers itself.

#include "core/ports.h"

#include <QStringList>

namespace tw::cli {

class ConsoleScoreList final : public ScoreListPort {
public:
    int count() const override { return int(items_.size()); }
    void insertItem(int index, const QString& text) override { items_.insert(index, text); }
    void removeItem(int index) override { items_.removeAt(index); }
    void clear() override { items_.clear(); caret_ = -1; }
    int caretIndex() const override { return caret_; }
    void setCaretIndex(int index) override { caret_ = index; }
    //! Only the caret item is ever selected: the command line selects nothing else.
    bool isSelected(int index) const override { return index == caret_; }
    void setFocus() override {}
    void moveCaretDown() override;
    void moveCaretUp() override;

    //! The caret item's text as the list shows it, without its line break.
    QString caretText() const;

private:
    QStringList items_;
    int caret_ = -1;
};

class ConsoleControls final : public ControlsPort {
public:
    void setToolEnabled(ToolImage, bool) override {}
    void showToolPicture(ToolImage, PictureStore, Look) override {}
    //! Any size: the command line presses the buttons at (1, 1), inside every image.
    QSizeF toolImageSize(ToolImage) const override { return {kToolTwips, kToolTwips}; }
    void setMenuEntryEnabled(MenuEntry, bool) override {}
    void setMenuEntryChecked(MenuEntry, bool) override {}
    void setMenuVisible(Menu, bool) override {}
    void setPlayTooltip(const QString&) override {}
    void setSmokeVisible(int, bool) override {}
    void showKeyPicture(int, bool) override {}
    void showLengthPicture(int, bool) override {}
    void showRestPicture(int, bool) override {}
    void setKeyEnabled(int, bool) override {}
    void setLengthEnabled(int, bool) override {}
    void setRestEnabled(int, bool) override {}
    QString titleText() const override { return title_; }
    void setTitleText(const QString& text) override { title_ = text; }
    void setTitleEnabled(bool) override {}
    int tempoIndex() const override { return tempoIndex_; }
    void setTempoIndex(int index) override { tempoIndex_ = index; }
    void setTempoEnabled(bool) override {}
    int playStartOption() const override { return playStartOption_; }
    void setPlayStartOption(int option) override { playStartOption_ = option; }
    void repaint() override {}
    void endApplication() override {}

private:
    static constexpr double kToolTwips = 15.0 * 32;
    QString title_;
    int tempoIndex_ = -1;
    int playStartOption_ = 0;
};

//! Every message goes to standard error as the message box would show it, but for the
//! plain "file opened" of the open command, which tells a script nothing. Questions are
//! answered OK unprinted: running the verb was the user's yes.
class ConsoleMessages final : public MessageBoxPort {
public:
    MessageAnswer show(const Message& message) override;
};

//! The open dialog picks the verb's file; the command line saves nothing. The process
//! keeps its own current folder, so relative paths mean what the shell meant.
class ConsoleDialogs final : public FileDialogPort {
public:
    void chooseForOpen(const QString& path) { openPath_ = path; }
    void makeProgramFolderCurrent() override {}
    QString currentFolder() const override;
    QString showOpenDialog(const QString&, const QString&) override { return openPath_; }
    QString showSaveDialog(const QString&, const QString&, const QString&) override { return {}; }

private:
    QString openPath_;
};

class NoHelp final : public HelpPort {
public:
    void showAbout() override {}
    bool startDetached(const QString&, const QStringList&) override { return false; }
    bool programExists(const QString&) const override { return false; }
    std::vector<ProgramCall> volumeControls() const override { return {}; }
};

class NoAnimation final : public AnimationPort {
public:
    void setTimerInterval(AnimationTimer, int) override {}
    void showAnimeFrame(int) override {}
    int fallTop() const override { return 0; }
    void setFallTop(int) override {}
};

//! The MIDI output a verb has opened before the editor starts, so that the verb can tell
//! why an output failed before anything else happens; nullptr for a verb that plays no
//! notes. Either way the editor's start-up finds it open.
class ReadyMidiOut final : public MidiOutPort {
public:
    explicit ReadyMidiOut(MidiOutPort* opened) : opened_(opened) {}
    bool open() override { return true; }
    void shortMessage(std::uint32_t message) override;
    void close() override;

private:
    MidiOutPort* opened_;
};

} // namespace tw::cli
