#pragma once
// The Help menu's services on the desktop: the about box, starting programs
// and finding them on the search path.

#include "core/ports.h"

#include <QPointer>

class QWidget;

namespace tw::gui {

class AboutBox;

class HelpServices final : public HelpPort {
public:
    //! `window` is the main window, which the about box stays in front of.
    explicit HelpServices(QWidget* window);

    void showAbout() override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    bool programExists(const QString& program) const override;
    std::vector<ProgramCall> volumeControls() const override;

    //! The about box while it is loaded; none once it has unloaded itself.
    AboutBox* aboutBox() const { return about_; }

private:
    QWidget* window_;
    QPointer<AboutBox> about_;  // cleared when the box unloads itself
};

} // namespace tw::gui
