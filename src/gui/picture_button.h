#pragma once
// An image control that behaves like the editor's picture buttons: it shows a
// pixmap and reports the mouse to the editor in the editor's own terms.
//
// It is a QAbstractButton so that Qt gives it what a button needs beyond the
// mouse: a place in the Tab order, the pressed state, and the Button role with
// a press action for screen readers. Qt's own mouse handling is replaced: the
// editor needs every button, the shift state and the position, where Qt knows
// only left clicks.

#include <QAbstractButton>
#include <QPixmap>

namespace tw::gui {

//! Shows a pixmap and reports press and release with the button code
//! (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and
//! the position in twips relative to the image's top-left corner. A disabled
//! button receives no mouse events, so it reports nothing.
//!
//! From the keyboard (Space or Enter while it has the focus, or holdDown and
//! letGo) and from a screen reader's press action it reports a left press and
//! release inside the image, as a click does; a press that loses the focus
//! before its release is let go outside, as a pointer dragged off the image.
//! A mouse click never takes the focus: the score list keeps it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return pixmap_; }

    //! A left press inside the image, as the keyboard gives it. Nothing while
    //! the button is disabled or already held.
    void holdDown();
    //! Where a keyboard press is let go: inside runs a toolbar command, off
    //! the image does not, as with the mouse.
    enum class Where { Inside, Outside };
    //! The release of holdDown; nothing when not held.
    void letGo(Where where = Where::Inside);
    bool heldByKey() const { return heldByKey_; }

    QSize sizeHint() const override { return pixmap_.size(); }

signals:
    void pressedAt(int button, int shift, double x, double y);
    void releasedAt(int button, int shift, double x, double y);
    //! A mouse press and release over the image with any button; a double
    //! click raises it once, before doubleClicked.
    void clickedOver();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPixmap pixmap_;
    //! The release that ends a double click is not another click.
    bool releaseEndsDoubleClick_ = false;
    //! A press from the keyboard or a screen reader waits for its release.
    bool heldByKey_ = false;
};

//! The editor's code of a mouse button, or 0 for buttons the editor does not know.
int buttonCode(Qt::MouseButton button);
//! The editor's shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace tw::gui
