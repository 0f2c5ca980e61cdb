#include "gui/focus_mark.h"

#include <QApplication>
#include <QPainter>

namespace tw::gui {
namespace {

//! How far the ring lies outside the control, and how wide its parts are.
constexpr int kOutset = 4;
constexpr qreal kRingWidth = 2.5;
constexpr qreal kEdgeWidth = 1;
const QColor kAmber{0xff, 0xbf, 0x2f};
const QColor kEdge{0x2a, 0x16, 0x08};

} // namespace

FocusMark::FocusMark(QWidget& area) : QWidget(&area), area_(area)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::follow(QWidget* focused)
{
    target_ = focused && area_.isAncestorOf(focused) ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    const QRect place(target_->mapTo(&area_, QPoint(0, 0)), target_->size());
    setGeometry(place.adjusted(-kOutset, -kOutset, kOutset, kOutset));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(kEdge, kRingWidth + 2 * kEdgeWidth));
    painter.drawRoundedRect(ring, 4, 4);
    painter.setPen(QPen(kAmber, kRingWidth));
    painter.drawRoundedRect(ring, 4, 4);
}

} // namespace tw::gui
