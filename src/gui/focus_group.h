#pragma once
// A group of picture buttons that Tab reaches as one stop: the keyboard, the
// length buttons, the rest buttons, the toolbar. Inside the group the arrow
// keys move to the nearest enabled button in their direction, and the group
// remembers the button it was left on, so Tab comes back to it. Only that one
// button takes Tab focus at a time; a disabled one hands the stop on to the
// first enabled one, so a group is skipped only when all its buttons are off.

#include <QObject>
#include <vector>

namespace tw::gui {

class PictureButton;

class FocusGroup final : public QObject {
    Q_OBJECT
public:
    //! The buttons share one parent; the first enabled one is the first stop.
    FocusGroup(std::vector<PictureButton*> members, QObject* parent);

    //! The button that Tab gives the focus to.
    PictureButton* stop() const { return stop_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeStop(PictureButton* button);
    void handOnStop();
    PictureButton* neighbour(const PictureButton& from, int key) const;

    std::vector<PictureButton*> members_;
    PictureButton* stop_ = nullptr;
};

} // namespace tw::gui
