#pragma once
// The editor reaches the outside world only through these small interfaces.
// The Qt shell implements them with widgets and devices; tests implement them
// with scripted fakes, so every command runs without a display.
//
// Setting a control through a port never raises a handler: where a command's
// change of the title or the tempo must run the change handler, the editor
// calls the handler itself.

#include "core/message.h"
#include "core/volume_controls.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace tw {

//! Mouse button codes of the mouse handlers.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

//! The score list `lstScore`: one item per row plus the blank end line.
class ScoreListPort {
public:
    virtual ~ScoreListPort() = default;
    virtual int count() const = 0;
    virtual void insertItem(int index, const QString& text) = 0;
    virtual void removeItem(int index) = 0;
    virtual void clear() = 0;
    //! The caret (focused) item, or -1 when the list is empty.
    virtual int caretIndex() const = 0;
    //! Moves the caret without changing the selection.
    virtual void setCaretIndex(int index) = 0;
    virtual bool isSelected(int index) const = 0;
    virtual void setFocus() = 0;
    //! Moves the caret one item down, selecting only the caret item and
    //! scrolling it into view, as the Down arrow does. At the last item nothing changes.
    virtual void moveCaretDown() = 0;
    //! The same upwards; at the first item nothing changes.
    virtual void moveCaretUp() = 0;
};

//! The eleven toolbar images.
enum class ToolImage { New, Open, Save, Sent, Play, Copy, Paste, Insert, Del, Undo, End };
inline constexpr int kToolImageCount = 11;

//! Picture stores of the toolbar images; `Stop` holds imgPlay's pictures while playing.
enum class PictureStore { New, Open, Save, Sent, Play, Copy, Paste, Insert, Del, Undo, End, Stop };

//! Index of a picture in a store.
enum class Look { Disabled = 0, Normal = 1, Pressed = 2 };

//! Menu entries that the commands enable, tick or that run commands.
enum class MenuEntry {
    New, Open, Save, End, Sent,
    Copy, Paste, Insert, Del, Undo,
    ToneBeep, Tone1, Tone2, Tone3, Tone4, Tone5,
    VolCtrl, Ver,
    Import, ExportMidi
};

//! The four main menus that playback hides.
enum class Menu { File, Edit, ToneMenu, Help };

//! The pictures, enabled states and small texts of the main window's controls.
class ControlsPort {
public:
    virtual ~ControlsPort() = default;

    // Toolbar images and their menu entries.
    virtual void setToolEnabled(ToolImage image, bool enabled) = 0;
    virtual void showToolPicture(ToolImage image, PictureStore store, Look look) = 0;
    //! Size of a toolbar image in twips (15 twips a pixel), for the release-inside test.
    virtual QSizeF toolImageSize(ToolImage image) const = 0;
    virtual void setMenuEntryEnabled(MenuEntry entry, bool enabled) = 0;
    virtual void setMenuEntryChecked(MenuEntry entry, bool checked) = 0;
    virtual void setMenuVisible(Menu menu, bool visible) = 0;
    virtual void setPlayTooltip(const QString& tooltip) = 0;
    //! The smoke pictures: 1 beside Open (`imgKemuri1`), 2 beside Save (`imgKemuri2`).
    virtual void setSmokeVisible(int which, bool visible) = 0;

    // Note entry buttons: keys 5 to 29, lengths 0 to 7, rests 0 to 4.
    virtual void showKeyPicture(int key, bool pressed) = 0;
    virtual void showLengthPicture(int index, bool pressed) = 0;
    virtual void showRestPicture(int index, bool pressed) = 0;
    virtual void setKeyEnabled(int key, bool enabled) = 0;
    virtual void setLengthEnabled(int index, bool enabled) = 0;
    virtual void setRestEnabled(int index, bool enabled) = 0;

    // Title box `txtTitle`.
    virtual QString titleText() const = 0;
    virtual void setTitleText(const QString& text) = 0;
    virtual void setTitleEnabled(bool enabled) = 0;

    // Tempo list `cmbTempo`; items are the tempo table's, in its order.
    virtual int tempoIndex() const = 0;
    virtual void setTempoIndex(int index) = 0;
    virtual void setTempoEnabled(bool enabled) = 0;

    // Start option `optPlayStart`: 0 "始めから", 1 "指定行から".
    virtual int playStartOption() const = 0;
    virtual void setPlayStartOption(int option) = 0;

    //! Repaints the main window now (the send command's closing steps).
    virtual void repaint() = 0;
    //! Ends the application: every window closes and no further handler runs.
    //! Called after the closing procedure agreed; it must not ask again.
    virtual void endApplication() = 0;
};

//! Modal message boxes; the caption is always the application title "Tunewright".
class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    //! A message with an OK button.
    void tell(const QString& text, MessageIcon icon = MessageIcon::None) { show({text, icon, MessageButtons::Ok}); }
    //! A question with OK and Cancel, without an icon.
    MessageAnswer ask(const QString& text) { return show({text, MessageIcon::None, MessageButtons::OkCancel}); }
};

//! The MIDI output: 32-bit short messages on the default device.
class MidiOutPort {
public:
    virtual ~MidiOutPort() = default;
    //! Opens the default MIDI device; false when it cannot be opened.
    virtual bool open() = 0;
    //! Sends one short message; failures are not reported (a closed output drops it).
    virtual void shortMessage(std::uint32_t message) = 0;
    virtual void close() = 0;
};

//! The monotonic millisecond clock and the event loop, for the playback loop.
class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual std::int64_t nowMs() const = 0;
    //! Lets the event loop dispatch pending events, sleeping until one arrives
    //! or until the clock reaches `deadlineMs`, whichever comes first.
    virtual void processEventsUntil(std::int64_t deadlineMs) = 0;
};

//! The standard file dialogs; the empty text means cancel or failure.
class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    //! Makes the program's folder the process's current folder (start-up); where the
    //! user may not write there (an installed program), the documents folder instead.
    virtual void makeProgramFolderCurrent() = 0;
    //! The folder the next dialog starts in: the current folder after start-up,
    //! then the folder of the last chosen file.
    virtual QString currentFolder() const = 0;
    virtual QString showOpenDialog(const QString& filter, const QString& initialFolder) = 0;
    virtual QString showSaveDialog(const QString& filter, const QString& initialFolder,
                                   const QString& initialName) = 0;
};

//! Where the transfer signal is written and how it is played.
class TransferPort {
public:
    virtual ~TransferPort() = default;
    //! The user's temporary folder, ending in a folder separator; nothing when there is none.
    virtual std::optional<QString> tempFolder() const = 0;
    //! Shows the sending window modally, runs `play` while it is shown (input is
    //! excluded meanwhile), then closes the window. Returns what `play` returned.
    virtual bool showSendingWindowWhile(const std::function<bool()>& play) = 0;
    //! Plays a WAV file to its end; false when it could not be played.
    virtual bool playWave(const QString& path) = 0;
};

//! The Help menu's outside services.
class HelpPort {
public:
    virtual ~HelpPort() = default;
    //! Shows the about box, not modal; brings it to the front when it is shown already.
    virtual void showAbout() = 0;
    //! Starts a program detached; false when it cannot be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    //! Whether a program of this name can be found on the search path.
    virtual bool programExists(const QString& program) const = 0;
    //! This system's volume control programs, in the order to try them; empty
    //! when the system has none we know. The system's version query lives here.
    virtual std::vector<ProgramCall> volumeControls() const = 0;
};

//! The two decorative animations' timers and pictures.
enum class AnimationTimer { Anime, Fall };

class AnimationPort {
public:
    virtual ~AnimationPort() = default;
    //! Interval 0 stops the timer; a positive interval starts it.
    virtual void setTimerInterval(AnimationTimer timer, int intervalMs) = 0;
    //! Shows frame 0, 1 or 2 (`imgAnime1`) in `imgAnime`.
    virtual void showAnimeFrame(int frame) = 0;
    //! Top of `imgFall` in twips.
    virtual int fallTop() const = 0;
    virtual void setFallTop(int twips) = 0;
};

//! Every port the editor talks to. All must outlive the editor.
struct Ports {
    ScoreListPort& list;
    ControlsPort& controls;
    MessageBoxPort& messages;
    MidiOutPort& midi;
    ClockPort& clock;
    FileDialogPort& dialogs;
    TransferPort& transfer;
    HelpPort& help;
    AnimationPort& animation;
};

} // namespace tw
