#pragma once
// The controls port over the main window's widgets. Pictures come from the
// artwork, which serves as every control's picture store.

#include "core/ports.h"
#include "gui/window_widgets.h"

#include <functional>

namespace tw::gui {

class ControlsAdapter final : public ControlsPort {
public:
    //! `endApplication` closes every window without asking again.
    ControlsAdapter(const WindowWidgets& widgets, std::function<void()> endApplication);

    void setToolEnabled(ToolImage image, bool enabled) override;
    void showToolPicture(ToolImage image, PictureStore store, Look look) override;
    QSizeF toolImageSize(ToolImage image) const override;
    void setMenuEntryEnabled(MenuEntry entry, bool enabled) override;
    void setMenuEntryChecked(MenuEntry entry, bool checked) override;
    void setMenuVisible(Menu menu, bool visible) override;
    void setPlayTooltip(const QString& tooltip) override;
    void setSmokeVisible(int which, bool visible) override;

    void showKeyPicture(int key, bool pressed) override;
    void showLengthPicture(int index, bool pressed) override;
    void showRestPicture(int index, bool pressed) override;
    void setKeyEnabled(int key, bool enabled) override;
    void setLengthEnabled(int index, bool enabled) override;
    void setRestEnabled(int index, bool enabled) override;

    QString titleText() const override;
    void setTitleText(const QString& text) override;
    void setTitleEnabled(bool enabled) override;

    int tempoIndex() const override;
    void setTempoIndex(int index) override;
    void setTempoEnabled(bool enabled) override;

    int playStartOption() const override;
    void setPlayStartOption(int option) override;

    void repaint() override;
    void endApplication() override;

private:
    const WindowWidgets& w_;
    std::function<void()> endApplication_;
};

} // namespace tw::gui
