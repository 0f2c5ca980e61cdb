#pragma once
// A plain ring around the control that has the keyboard focus. The style's own focus frame is
// drawn in the selection colour, which on the walnut and honey wood is all but invisible; the
// ring is bright amber with a dark edge, so it reads on every wood and paper of the artwork.

#include <QPointer>
#include <QWidget>

namespace tw::gui {

class FocusMark final : public QWidget {
    Q_OBJECT
public:
    //! Marks whichever control inside `area` takes the focus; object name "focusMark".
    explicit FocusMark(QWidget& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QWidget& area_;
    QPointer<QWidget> target_;
};

} // namespace tw::gui
