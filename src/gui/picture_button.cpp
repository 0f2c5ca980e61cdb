#include "gui/picture_button.h"

#include "core/ports.h"
#include "gui/art/layout.h"

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

} // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {}

void PictureButton::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
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
    emit pressed(button, shiftState(event->modifiers()), twips(at.x()), twips(at.y()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    // Qt grabs the mouse on the press, so a release outside the image still
    // arrives here, with a position outside 0..width, 0..height.
    const QPointF at = event->position();
    emit released(button, shiftState(event->modifiers()), twips(at.x()), twips(at.y()));
    // A click is a press and a release over the image, edges included.
    const bool inside = at.x() >= 0 && at.y() >= 0 && at.x() <= width() && at.y() <= height();
    if (!std::exchange(releaseEndsDoubleClick_, false) && inside)
        emit clicked();
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
    emit clicked();
    emit doubleClicked();
}

} // namespace tw::gui
