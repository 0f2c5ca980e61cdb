#pragma once
// The about box `frmAbout`: the application's picture, name, version, what it
// is for and its legal notice. It is not modal. Closing it in any way (OK,
// Enter, Esc or the window's close control) unloads it, so the next showing
// builds it afresh and `Form_Load` fills it again.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tw::gui {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    //! Builds the controls and loads the box (`Form_Load`).
    explicit AboutBox(QWidget* parent = nullptr);

    //! Fills the caption, the version and the title.
    void Form_Load();
    //! Unloads the box.
    void cmdOK_Click();

protected:
    //! Esc and the close control act as OK: `cmdOK` is also the cancel button.
    void reject() override;

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};

} // namespace tw::gui
