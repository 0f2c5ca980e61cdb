#include "gui/score_list_widget.h"

#include "core/ports.h"
#include "gui/picture_button.h"
#include "gui/row_font.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace tw::gui {

namespace {

//! Draws a row text without its line end; drawn as text the CR LF would add a
//! second, empty line to every item.
class RowTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        QString text = value.toString();
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        return QStyledItemDelegate::displayText(text, locale);
    }
};

} // namespace

ScoreListWidget::ScoreListWidget(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFont(rowFont());
    setUniformItemSizes(true);
    setItemDelegate(new RowTextDelegate(this));
}

void ScoreListWidget::mousePressEvent(QMouseEvent* event)
{
    // The right button leaves the selection alone, as the editor ignores it:
    // otherwise a right click could move the selection off a pending row
    // without the guard that a left click meets.
    if (event->button() == Qt::RightButton)
        return;
    QListWidget::mousePressEvent(event);
}

void ScoreListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        QListWidget::mouseReleaseEvent(event);
    if (const int button = buttonCode(event->button()))
        emit released(button);
}

void ScoreListWidget::keyPressEvent(QKeyEvent* event)
{
    // The blank is a typed character too, though the list would take it as
    // "select the caret item".
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        return;
    // The arrow keys move the selection but not the row the next entry goes
    // to; Enter chooses it as a click would, without moving the selection.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        emit released(kLeftButton);
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tw::gui
