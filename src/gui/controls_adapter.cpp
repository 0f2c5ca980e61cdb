#include "gui/controls_adapter.h"

#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui/computer_keys.h"
#include "gui/picture_button.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <utility>

namespace tw::gui {

ControlsAdapter::ControlsAdapter(const WindowWidgets& widgets, std::function<void()> endApplication)
    : w_(widgets), endApplication_(std::move(endApplication))
{
}

void ControlsAdapter::setToolEnabled(ToolImage image, bool enabled) { w_.tool(image)->setEnabled(enabled); }

void ControlsAdapter::showToolPicture(ToolImage image, PictureStore store, Look look)
{
    w_.tool(image)->setPixmap(art::toolPicture(store, look));
}

QSizeF ControlsAdapter::toolImageSize(ToolImage image) const
{
    return QSizeF(w_.tool(image)->size()) * layout::kTwipsPerPixel;
}

void ControlsAdapter::setMenuEntryEnabled(MenuEntry entry, bool enabled) { w_.menuEntry(entry)->setEnabled(enabled); }

void ControlsAdapter::setMenuEntryChecked(MenuEntry entry, bool checked) { w_.menuEntry(entry)->setChecked(checked); }

void ControlsAdapter::setMenuVisible(Menu menu, bool visible) { w_.menu(menu)->menuAction()->setVisible(visible); }

// The editor's text stays at the start; the play key follows it.
void ControlsAdapter::setPlayTooltip(const QString& tooltip)
{
    w_.tool(ToolImage::Play)->setToolTip(withKey(tooltip, kPlayKey));
}

void ControlsAdapter::setSmokeVisible(int which, bool visible)
{
    w_.smoke.at(std::size_t(which - 1))->setVisible(visible);
}

void ControlsAdapter::showKeyPicture(int key, bool pressed) { w_.key(key)->setPixmap(art::keyPicture(key, pressed)); }

void ControlsAdapter::showLengthPicture(int index, bool pressed)
{
    w_.lengths.at(std::size_t(index))->setPixmap(art::lengthPicture(index, pressed));
}

void ControlsAdapter::showRestPicture(int index, bool pressed)
{
    w_.rests.at(std::size_t(index))->setPixmap(art::restPicture(index, pressed));
}

void ControlsAdapter::setKeyEnabled(int key, bool enabled) { w_.key(key)->setEnabled(enabled); }

void ControlsAdapter::setLengthEnabled(int index, bool enabled) { w_.lengths.at(std::size_t(index))->setEnabled(enabled); }

void ControlsAdapter::setRestEnabled(int index, bool enabled) { w_.rests.at(std::size_t(index))->setEnabled(enabled); }

QString ControlsAdapter::titleText() const { return w_.txtTitle->text(); }

// setText raises no textEdited, so the editor's title handler is not run behind its back.
void ControlsAdapter::setTitleText(const QString& text) { w_.txtTitle->setText(text); }

void ControlsAdapter::setTitleEnabled(bool enabled) { w_.txtTitle->setEnabled(enabled); }

int ControlsAdapter::tempoIndex() const { return w_.cmbTempo->currentIndex(); }

// setCurrentIndex raises no activated, so the editor's tempo handler is not run either.
void ControlsAdapter::setTempoIndex(int index) { w_.cmbTempo->setCurrentIndex(index); }

void ControlsAdapter::setTempoEnabled(bool enabled) { w_.cmbTempo->setEnabled(enabled); }

int ControlsAdapter::playStartOption() const
{
    for (std::size_t i = 0; i < w_.optPlayStart.size(); ++i)
        if (w_.optPlayStart[i]->isChecked())
            return int(i);
    return -1;
}

void ControlsAdapter::setPlayStartOption(int option) { w_.optPlayStart.at(std::size_t(option))->setChecked(true); }

void ControlsAdapter::repaint() { w_.client->window()->repaint(); }

void ControlsAdapter::endApplication() { endApplication_(); }

} // namespace tw::gui
