#pragma once
// An image control that behaves like the editor's picture buttons: it shows a
// pixmap and reports the mouse to the editor in the editor's own terms.

#include <QPixmap>
#include <QWidget>

namespace tw::gui {

//! Shows a pixmap and reports press and release with the button code
//! (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and
//! the position in twips relative to the image's top-left corner. A disabled
//! button receives no mouse events, so it reports nothing.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return pixmap_; }

signals:
    void pressed(int button, int shift, double x, double y);
    void released(int button, int shift, double x, double y);
    //! A press and a release over the image with any button; a double click
    //! raises it once, before doubleClicked.
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
    //! The release that ends a double click is not another click.
    bool releaseEndsDoubleClick_ = false;
};

//! The editor's code of a mouse button, or 0 for buttons the editor does not know.
int buttonCode(Qt::MouseButton button);
//! The editor's shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace tw::gui
