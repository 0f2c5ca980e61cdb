#include "gui/window_controls.h"

#include "core/editor/editor.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui/computer_keys.h"
#include "gui/focus_group.h"
#include "gui/picture_button.h"
#include "gui/place.h"

namespace tw::gui {

namespace {

//! How a key's octave is spoken: the list's arrow marks read badly aloud.
constexpr std::array<std::u16string_view, 3> OctaveWords{u"低い", u"", u"高い"};

//! "低いファ", "ド＃", "高いド": the key as the list's pitch column names it.
QString keyName(int key)
{
    return text(OctaveWords[std::size_t(key / 12)]) + lookup(PitchNames, key % 12).trimmed();
}

//! The name read aloud and the tooltip with the computer key after the design's text.
void describe(PictureButton& button, const QString& name, const QString& tooltip, QKeyCombination keys)
{
    button.setAccessibleName(name);
    button.setToolTip(withKey(tooltip, keys));
}

QRect entryButtonPlace(const QRect& row, int index)
{
    return {row.topLeft() + QPoint(index * layout::kEntryButtonStep, 0), layout::kEntryButton};
}

// A button's handlers take its index and the mouse button; the position and
// the shift state mean nothing to note entry.
void forward(PictureButton* button, int index, Editor& editor,
             void (Editor::*press)(int, int), void (Editor::*release)(int, int))
{
    QObject::connect(button, &PictureButton::pressedAt, button,
                     [&editor, press, index](int mouse, int, double, double) { (editor.*press)(index, mouse); });
    QObject::connect(button, &PictureButton::releasedAt, button,
                     [&editor, release, index](int mouse, int, double, double) { (editor.*release)(index, mouse); });
}

} // namespace

void buildEntryButtons(QWidget& client, WindowWidgets& widgets)
{
    // White keys first, so the black keys lie on top of them as on a piano.
    for (const bool black : {false, true}) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            if (isBlackKey(key) != black)
                continue;
            auto* button = place<PictureButton>(client, QStringLiteral("imgKey_%1").arg(key),
                                                 art::keyRect(key).translated(layout::kKeyboard.topLeft()));
            button->setPixmap(art::keyPicture(key, false));
            describe(*button, keyName(key), keyName(key), keyOf(EntryGroup::Key, key));
            widgets.keys[std::size_t(key - kFirstKey)] = button;
        }
    }
    for (int i = 0; i < kLengthCount; ++i) {
        auto* button = place<PictureButton>(client, QStringLiteral("imgLen_%1").arg(i),
                                             entryButtonPlace(layout::kLengthRow, i));
        describe(*button, lookup(LengthTooltips, i), lookup(LengthTooltips, i), keyOf(EntryGroup::Length, i));
        button->setPixmap(art::lengthPicture(i, false));
        widgets.lengths[std::size_t(i)] = button;
    }
    for (int i = 0; i < kRestCount; ++i) {
        auto* button = place<PictureButton>(client, QStringLiteral("imgRest_%1").arg(i),
                                             entryButtonPlace(layout::kRestRow, i));
        describe(*button, lookup(RestTooltips, i), lookup(RestTooltips, i), keyOf(EntryGroup::Rest, i));
        button->setPixmap(art::restPicture(i, false));
        widgets.rests[std::size_t(i)] = button;
    }
    // Tab reaches the keyboard at its lowest key, and the arrows walk it by pitch.
    std::vector<PictureButton*> keys;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        keys.push_back(widgets.key(key));
    new FocusGroup(std::move(keys), &client);
    new FocusGroup({widgets.lengths.begin(), widgets.lengths.end()}, &client);
    new FocusGroup({widgets.rests.begin(), widgets.rests.end()}, &client);
}

void connectEntryButtons(const WindowWidgets& widgets, Editor& editor)
{
    for (int key = kFirstKey; key <= kLastKey; ++key)
        forward(widgets.key(key), key, editor, &Editor::imgKey_MouseDown, &Editor::imgKey_MouseUp);
    for (int i = 0; i < kLengthCount; ++i)
        forward(widgets.lengths[std::size_t(i)], i, editor, &Editor::imgLen_MouseDown, &Editor::imgLen_MouseUp);
    for (int i = 0; i < kRestCount; ++i)
        forward(widgets.rests[std::size_t(i)], i, editor, &Editor::imgRest_MouseDown, &Editor::imgRest_MouseUp);
}

} // namespace tw::gui
