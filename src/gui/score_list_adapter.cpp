#include "gui/score_list_adapter.h"

#include <QListWidget>
#include <memory>

namespace tw::gui {

int ScoreListAdapter::count() const { return list_.count(); }

QString ScoreListAdapter::itemText(int index) const { return list_.item(index)->text(); }

void ScoreListAdapter::insertItem(int index, const QString& text)
{
    auto* item = new QListWidgetItem(text);
    // A screen reader reads the row as the list draws it, without the line end.
    QString spoken = text;
    if (spoken.endsWith(QLatin1String("\r\n")))
        spoken.chop(2);
    item->setData(Qt::AccessibleTextRole, spoken);
    list_.insertItem(index, item);
}

void ScoreListAdapter::removeItem(int index) { std::unique_ptr<QListWidgetItem>(list_.takeItem(index)); }

void ScoreListAdapter::clear() { list_.clear(); }

int ScoreListAdapter::caretIndex() const { return list_.currentRow(); }

void ScoreListAdapter::setCaretIndex(int index)
{
    list_.setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

bool ScoreListAdapter::isSelected(int index) const { return list_.item(index)->isSelected(); }

void ScoreListAdapter::setFocus() { list_.setFocus(Qt::OtherFocusReason); }

void ScoreListAdapter::moveCaretDown() { moveCaret(+1); }

void ScoreListAdapter::moveCaretUp() { moveCaret(-1); }

void ScoreListAdapter::moveCaret(int step)
{
    // Without a caret the first move in either direction lands on the first item.
    const int caret = list_.currentRow();
    const int target = caret < 0 ? 0 : caret + step;
    if (target < 0 || target >= list_.count())
        return;
    // The arrow keys leave the caret item alone selected; plain setCurrentRow
    // would add it to the selection that is there.
    list_.setCurrentRow(target, QItemSelectionModel::ClearAndSelect);
    list_.scrollToItem(list_.item(target));
}

} // namespace tw::gui
