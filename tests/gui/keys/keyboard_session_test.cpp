// A whole session twice, once with the mouse on the on-screen controls and
// once with the keyboard alone: a melody of notes and rests, a block copied,
// pasted, undone and pasted again, played and stopped, saved. The keys run the
// buttons' own handlers, so the rows, the MIDI messages, the messages shown and
// the saved file must come out the same.

#include "gui/shell/main_window_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <map>

namespace tw::gui {
namespace {

struct Outcome {
    std::vector<RowCode> rows;
    QStringList texts;
    std::vector<std::uint32_t> midi;
    std::vector<Message> messages;
    QByteArray file;
};

//! One way of driving the window: by the mouse or by the keyboard.
class Driver {
public:
    virtual ~Driver() = default;
    virtual void key(int key) = 0;
    virtual void length(int index) = 0;
    virtual void rest(int index) = 0;
    //! Rows first to last selected, first chosen as the entry row.
    virtual void select(int first, int last) = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void undo() = 0;
    virtual void playOrStop() = 0;
    virtual void save() = 0;
};

//! A window on its own fakes, shown and active.
struct Rig {
    Rig() : window(services()) {}

    MainWindow::Services services()
    {
        MainWindow::Services s = fakeServices();
        midi = static_cast<test::RecordingMidi*>(s.midi.get());
        messages = static_cast<test::ScriptedMessageBox*>(s.messages.get());
        dialogs = static_cast<test::FakeDialogs*>(s.dialogs.get());
        return s;
    }
    ScoreListWidget& list() const { return *window.widgets().lstScore; }

    test::RecordingMidi* midi = nullptr;
    test::ScriptedMessageBox* messages = nullptr;
    test::FakeDialogs* dialogs = nullptr;
    MainWindow window;
};

Outcome run(Rig& rig, Driver& driver)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("song.tun"));
    rig.dialogs->saveAnswers.push_back(path);
    rig.window.widgets().txtTitle->setFocus();  // the keyboard has to find its way to the list

    driver.key(12), driver.length(3);  // ド, 4分音符
    driver.length(5), driver.key(18);  // ファ＃, 2分音符: the length first
    driver.rest(2);                    // 4分休符
    driver.key(29), driver.length(7);  // 高いファ, 全音符
    driver.key(5), driver.rest(0);     // a rest ends the pending row
    driver.select(1, 2);
    driver.copy();
    driver.select(3, 3);
    driver.paste();
    driver.undo();
    driver.select(1, 2);  // after an undo Paste waits for a new copy
    driver.copy();
    driver.select(3, 3);
    driver.paste();

    // The stop comes while the second row sounds; playback ends after that row.
    int noteOns = 0;
    rig.midi->onMessage = [&](std::uint32_t message) {
        if ((message & 0xf0) == 0x90 && ++noteOns == 2)
            QTimer::singleShot(0, &rig.window, [&] { driver.playOrStop(); });
    };
    driver.playOrStop();
    rig.midi->onMessage = nullptr;
    EXPECT_TRUE(rig.window.editor().Idle());
    driver.save();

    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly)) << path.toStdString();
    const Editor& editor = rig.window.editor();
    return {codesOf(std::span(editor.ScoreData()).subspan(1, std::size_t(editor.EndRow() - 1))),
            [&] {
                QStringList texts;
                for (int i = 0; i < rig.list().count(); ++i)
                    texts << rig.list().item(i)->text();
                return texts;
            }(),
            rig.midi->takeMessages(), rig.messages->shown(), saved.readAll()};
}

class MouseDriver final : public Driver {
public:
    explicit MouseDriver(Rig& rig) : rig_(rig), list_(rig.list()) {}
    void key(int key) override { click(QStringLiteral("imgKey_%1").arg(key)); }
    void length(int index) override { click(QStringLiteral("imgLen_%1").arg(index)); }
    void rest(int index) override { click(QStringLiteral("imgRest_%1").arg(index)); }
    void select(int first, int last) override
    {
        clickRow(first, Qt::NoModifier);
        if (last != first)
            clickRow(last, Qt::ShiftModifier);
    }
    void copy() override { click(QStringLiteral("imgCopy")); }
    void paste() override { click(QStringLiteral("imgPaste")); }
    void undo() override { click(QStringLiteral("imgUndo")); }
    void playOrStop() override { click(QStringLiteral("imgPlay")); }
    void save() override { click(QStringLiteral("imgSave")); }

private:
    void click(const QString& name) { QTest::mouseClick(rig_.window.findChild<PictureButton*>(name), Qt::LeftButton); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers)
    {
        QListWidgetItem* item = list_.item(row - 1);
        QTest::mouseClick(list_.viewport(), Qt::LeftButton, modifiers, list_.visualItemRect(item).center());
    }

    Rig& rig_;
    ScoreListWidget& list_;
};

//! Keys only, from wherever the focus is: Tab reaches the list first.
class KeyboardDriver final : public Driver {
public:
    explicit KeyboardDriver(Rig& rig) : list_(rig.list()) {}
    void key(int key) override
    {
        static const std::map<int, QKeyCombination> keys{
            {5, QKeyCombination(Qt::Key_Z)}, {12, QKeyCombination(Qt::Key_B)},
            {18, Qt::SHIFT | Qt::Key_Q}, {29, QKeyCombination(Qt::Key_I)}};
        type(keys.at(key));
    }
    void length(int index) override { type(QKeyCombination(Qt::Key(Qt::Key_1 + index))); }
    void rest(int index) override { type(Qt::ALT | Qt::Key(Qt::Key_1 + index)); }
    void select(int first, int last) override
    {
        type(QKeyCombination(Qt::Key_Home));
        for (int row = 1; row < first; ++row)
            type(QKeyCombination(Qt::Key_Down));
        type(QKeyCombination(Qt::Key_Return));  // the caret row becomes the entry row
        for (int row = first; row < last; ++row)
            type(Qt::SHIFT | Qt::Key_Down);
    }
    void copy() override { type(Qt::CTRL | Qt::Key_C); }
    void paste() override { type(Qt::CTRL | Qt::Key_V); }
    void undo() override { type(Qt::CTRL | Qt::Key_Z); }
    //! Space in the list to start, F5 to stop: both are the play button.
    void playOrStop() override { type(QKeyCombination(playing_++ % 2 ? Qt::Key_F5 : Qt::Key_Space)); }
    void save() override { type(Qt::CTRL | Qt::Key_S); }

private:
    void type(QKeyCombination keys)
    {
        // The title box has the focus at the start; the list comes just before it in the Tab order.
        while (QApplication::focusWidget() != &list_)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(&list_, keys.key(), keys.keyboardModifiers());
    }

    ScoreListWidget& list_;
    int playing_ = 0;
};

Outcome session(bool byKeyboard)
{
    Rig rig;
    loadAndActivate(rig.window);
    MouseDriver mouse(rig);
    KeyboardDriver keys(rig);
    Outcome outcome = run(rig, byKeyboard ? static_cast<Driver&>(keys) : mouse);
    rig.window.hide();
    return outcome;
}

TEST(KeyboardSession, TheKeyboardAloneGivesWhatTheSameClicksGive)
{
    const Outcome clicked = session(false);
    const Outcome typed = session(true);

    ASSERT_EQ(clicked.rows, (std::vector<RowCode>{123, 185, 123, 185, 992, 297, 990}));
    EXPECT_EQ(typed.rows, clicked.rows);
    EXPECT_EQ(typed.texts, clicked.texts);
    EXPECT_EQ(typed.midi, clicked.midi);
    EXPECT_EQ(typed.messages, clicked.messages);
    EXPECT_FALSE(clicked.file.isEmpty());
    EXPECT_EQ(typed.file, clicked.file);
}

} // namespace
} // namespace tw::gui

