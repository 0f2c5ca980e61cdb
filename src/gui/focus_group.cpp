#include "gui/focus_group.h"

#include "gui/picture_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <limits>

namespace tw::gui {

FocusGroup::FocusGroup(std::vector<PictureButton*> members, QObject* parent)
    : QObject(parent), members_(std::move(members))
{
    for (PictureButton* button : members_) {
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
    }
    makeStop(members_.front());
    handOnStop();
}

void FocusGroup::makeStop(PictureButton* button)
{
    if (button == stop_)
        return;
    button->setFocusPolicy(Qt::TabFocus);
    if (stop_)
        stop_->setFocusPolicy(Qt::NoFocus);
    stop_ = button;
}

void FocusGroup::handOnStop()
{
    if (stop_->isEnabled())
        return;
    const auto enabled = std::ranges::find_if(members_, [](const PictureButton* b) { return b->isEnabled(); });
    if (enabled != members_.end())
        makeStop(*enabled);
}

bool FocusGroup::eventFilter(QObject* watched, QEvent* event)
{
    // A button being destroyed still gets events from the widget it was; by then it is no
    // picture button any more, and nothing of the group is wanted.
    auto* button = qobject_cast<PictureButton*>(watched);
    if (!button)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        makeStop(button);
        break;
    case QEvent::EnabledChange:
        handOnStop();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            break;
        if (code != Qt::Key_Left && code != Qt::Key_Right && code != Qt::Key_Up && code != Qt::Key_Down)
            break;
        if (PictureButton* next = neighbour(*button, code)) {
            makeStop(next);
            next->setFocus(code == Qt::Key_Left || code == Qt::Key_Up ? Qt::BacktabFocusReason
                                                                       : Qt::TabFocusReason);
        }
        // At the group's edge the arrow does nothing rather than leave the group.
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

PictureButton* FocusGroup::neighbour(const PictureButton& from, int key) const
{
    // The nearest button whose centre lies in the arrow's direction and whose
    // extent overlaps the current one across it: along a row for Left and
    // Right, along a column for Up and Down. The keyboard's black keys lie
    // between the white ones, so Left and Right walk the keys by pitch.
    const QRect here = from.geometry();
    const bool across = key == Qt::Key_Up || key == Qt::Key_Down;
    const int sign = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    PictureButton* best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (PictureButton* other : members_) {
        if (other == &from || !other->isEnabled() || other->isHidden())
            continue;
        const QRect there = other->geometry();
        const QPoint step = there.center() - here.center();
        const int along = across ? step.y() : step.x();
        const int aside = across ? step.x() : step.y();
        const bool overlaps = across ? there.left() <= here.right() && here.left() <= there.right()
                                     : there.top() <= here.bottom() && here.top() <= there.bottom();
        if (along * sign <= 0 || !overlaps)
            continue;
        const long score = long(std::abs(along)) * 65536 + std::abs(aside);
        if (score < bestScore) {
            bestScore = score;
            best = other;
        }
    }
    return best;
}

} // namespace tw::gui
