#include "gui/computer_keys.h"

#include "gui/picture_button.h"
#include "gui/score_list_widget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <algorithm>
#include <array>

namespace tw::gui {

namespace {

using enum EntryGroup;

constexpr QKeyCombination plain(Qt::Key key) { return QKeyCombination(key); }
constexpr QKeyCombination shifted(Qt::Key key) { return Qt::SHIFT | key; }
constexpr QKeyCombination alt(Qt::Key key) { return Qt::ALT | key; }

constexpr std::array<ComputerKey, kKeyCount + kLengthCount + kRestCount> Keys{{
    // The lower octave, F to E: white keys on the Z row, black keys on the A row.
    {plain(Qt::Key_Z), Key, 5}, {plain(Qt::Key_S), Key, 6}, {plain(Qt::Key_X), Key, 7},
    {plain(Qt::Key_D), Key, 8}, {plain(Qt::Key_C), Key, 9}, {plain(Qt::Key_F), Key, 10},
    {plain(Qt::Key_V), Key, 11}, {plain(Qt::Key_B), Key, 12}, {plain(Qt::Key_H), Key, 13},
    {plain(Qt::Key_N), Key, 14}, {plain(Qt::Key_J), Key, 15}, {plain(Qt::Key_M), Key, 16},
    // The upper octave, F to F: white keys on the Q row, black keys with Shift.
    {plain(Qt::Key_Q), Key, 17}, {shifted(Qt::Key_Q), Key, 18}, {plain(Qt::Key_W), Key, 19},
    {shifted(Qt::Key_W), Key, 20}, {plain(Qt::Key_E), Key, 21}, {shifted(Qt::Key_E), Key, 22},
    {plain(Qt::Key_R), Key, 23}, {plain(Qt::Key_T), Key, 24}, {shifted(Qt::Key_T), Key, 25},
    {plain(Qt::Key_Y), Key, 26}, {shifted(Qt::Key_Y), Key, 27}, {plain(Qt::Key_U), Key, 28},
    {plain(Qt::Key_I), Key, 29},
    // The length buttons in their order.
    {plain(Qt::Key_1), Length, 0}, {plain(Qt::Key_2), Length, 1}, {plain(Qt::Key_3), Length, 2},
    {plain(Qt::Key_4), Length, 3}, {plain(Qt::Key_5), Length, 4}, {plain(Qt::Key_6), Length, 5},
    {plain(Qt::Key_7), Length, 6}, {plain(Qt::Key_8), Length, 7},
    // The rest buttons. Alt, since Shift with a digit types another key on most layouts
    // and Ctrl belongs to the menus.
    {alt(Qt::Key_1), Rest, 0}, {alt(Qt::Key_2), Rest, 1}, {alt(Qt::Key_3), Rest, 2},
    {alt(Qt::Key_4), Rest, 3}, {alt(Qt::Key_5), Rest, 4},
}};

PictureButton* buttonOf(const WindowWidgets& widgets, const ComputerKey& key)
{
    switch (key.group) {
    case Key: return widgets.key(key.index);
    case Length: return widgets.lengths.at(std::size_t(key.index));
    case Rest: return widgets.rests.at(std::size_t(key.index));
    }
    return nullptr;
}

//! The keys that choose among the computer keys; Caps Lock and the keypad do not count.
constexpr Qt::KeyboardModifiers kChoosing = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                            | Qt::MetaModifier;

//! The entry keys and Space in the score list. Like the one mouse pointer it
//! holds one button at a time: keys pressed while another is held do nothing.
class ListKeys final : public QObject {
public:
    explicit ListKeys(const WindowWidgets& widgets) : QObject(widgets.lstScore), widgets_(widgets)
    {
        widgets.lstScore->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: return pressed(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: return released(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            // The release will reach another control; let go now, off the button.
            if (held_)
                std::exchange(held_, nullptr)->letGo(PictureButton::Where::Outside);
            return false;
        default: return false;
        }
    }

private:
    PictureButton* buttonFor(const QKeyEvent& event) const
    {
        const QKeyCombination typed(event.modifiers() & kChoosing, Qt::Key(event.key()));
        if (typed == plain(Qt::Key_Space))
            return widgets_.tool(ToolImage::Play);
        const auto found = std::ranges::find(Keys, typed, &ComputerKey::keys);
        return found == Keys.end() ? nullptr : buttonOf(widgets_, *found);
    }

    bool pressed(const QKeyEvent& event)
    {
        PictureButton* button = buttonFor(event);
        if (!button)
            return false;
        if (event.isAutoRepeat() || held_)
            return true;
        button->holdDown();
        if (button->heldByKey()) {
            held_ = button;
            heldKey_ = event.key();
        }
        return true;
    }

    bool released(const QKeyEvent& event)
    {
        if (!held_ || event.key() != heldKey_)
            return buttonFor(event) != nullptr;
        if (!event.isAutoRepeat())
            std::exchange(held_, nullptr)->letGo();
        return true;
    }

    const WindowWidgets& widgets_;
    PictureButton* held_ = nullptr;
    int heldKey_ = 0;
};

} // namespace

std::span<const ComputerKey> computerKeys() { return Keys; }

QKeyCombination keyOf(EntryGroup group, int index)
{
    const auto found = std::ranges::find_if(Keys, [&](const ComputerKey& k) {
        return k.group == group && k.index == index;
    });
    return found->keys;
}

QString withKey(const QString& tooltip, QKeyCombination keys)
{
    return QStringLiteral("%1 (%2)").arg(tooltip, QKeySequence(keys).toString(QKeySequence::NativeText));
}

void installComputerKeys(const WindowWidgets& widgets, QWidget& window)
{
    new ListKeys(widgets);
    // A shortcut has no release: F5 is a whole click. The key works inside the
    // playback's own event loop too, where it stops after the sounding row.
    auto* play = new QShortcut(QKeySequence(kPlayKey), &window);
    play->setContext(Qt::WindowShortcut);
    play->setAutoRepeat(false);
    PictureButton* button = widgets.tool(ToolImage::Play);
    QObject::connect(play, &QShortcut::activated, button, [button] {
        button->holdDown();
        button->letGo();
    });
}

} // namespace tw::gui
