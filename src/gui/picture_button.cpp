#include "gui/picture_button.h"

#include "core/ports.h"
#include "gui/art/layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace tw::gui {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
         | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
         | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

namespace {

double twips(qreal pixels) { return pixels * layout::kTwipsPerPixel; }

//! Where a press without a pointer happens: just inside the top-left corner,
//! the place the menu entries give the toolbar's release handlers.
constexpr double kInside = 1.0;
//! Off the image, where a release runs no toolbar command.
constexpr double kOutside = -1.0;

bool pressesButton(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    // Reached with Tab and the arrows only; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // A screen reader's press action comes as Qt's own press and click.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (!heldByKey_)
            emit pressedAt(kLeftButton, 0, kInside, kInside);
    });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!heldByKey_)
            emit releasedAt(kLeftButton, 0, kInside, kInside);
    });
}

void PictureButton::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

void PictureButton::holdDown()
{
    if (!isEnabled() || heldByKey_)
        return;
    heldByKey_ = true;
    setDown(true);
    emit pressedAt(kLeftButton, 0, kInside, kInside);
}

void PictureButton::letGo(Where where)
{
    if (!std::exchange(heldByKey_, false))
        return;
    setDown(false);
    const double at = where == Where::Inside ? kInside : kOutside;
    emit releasedAt(kLeftButton, 0, at, at);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap_);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    releaseEndsDoubleClick_ = false;
    const QPointF at = event->position();
    emit pressedAt(button, shiftState(event->modifiers()), twips(at.x()), twips(at.y()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    // Qt grabs the mouse on the press, so a release outside the image still
    // arrives here, with a position outside 0..width, 0..height.
    const QPointF at = event->position();
    emit releasedAt(button, shiftState(event->modifiers()), twips(at.x()), twips(at.y()));
    // A click is a press and a release over the image, edges included.
    const bool inside = at.x() >= 0 && at.y() >= 0 && at.x() <= width() && at.y() <= height();
    if (!std::exchange(releaseEndsDoubleClick_, false) && inside)
        emit clickedOver();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other (a key
    // double-clicked sounds twice). A double click raises the click first, then
    // the double click: the first click's effect may have ended by now (the
    // fallen picture's timer stops at its first tick), and a double click must
    // start it again. Its release raises no further click.
    mousePressEvent(event);
    if (buttonCode(event->button()) == 0)
        return;
    releaseEndsDoubleClick_ = true;
    emit clickedOver();
    emit doubleClicked();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (!pressesButton(*event)) {
        // The arrows belong to the button's group, the rest to the window.
        event->ignore();
        return;
    }
    // A held key repeats; the button is pressed once, as by a held mouse button.
    if (!event->isAutoRepeat())
        holdDown();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!pressesButton(*event)) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat())
        letGo();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    // The key's release will go to another control: let go now, off the image.
    letGo(Where::Outside);
    QAbstractButton::focusOutEvent(event);
}

} // namespace tw::gui
