#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace tw::gui {

//! Creates a control on `parent` with its object name at its fixed place.
template <typename Widget>
Widget* place(QWidget& parent, const QString& name, const QRect& where)
{
    auto* widget = new Widget(&parent);
    widget->setObjectName(name);
    widget->setGeometry(where);
    return widget;
}

} // namespace tw::gui
