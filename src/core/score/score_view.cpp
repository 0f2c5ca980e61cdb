#include "core/score/score_view.h"

namespace tw {

int ScoreView::putRowText(int row, const RowFields& fields)
{
    const QString text = composeRowText(row, fields);
    if (list_.count() >= row)
        list_.removeItem(row - 1);
    list_.insertItem(row - 1, text);
    return row;
}

void ScoreView::selectRow(int row)
{
    list_.setFocus();
    list_.setCaretIndex(row - 1);
    // Down and back up again selects the caret item alone and scrolls it into
    // view. On the last item the down move does nothing, so the item above it
    // ends up selected; callers selecting the last item move down once more.
    list_.moveCaretDown();
    list_.moveCaretUp();
}

void ScoreView::selectCurrentRow()
{
    // The current row is the one the next entry and the next edit act on, so it
    // must be the one the user sees selected, also when it is the end line.
    selectRow(document_.CurrentRow);
    if (document_.CurrentRow == document_.EndRow)
        list_.moveCaretDown();
}

void ScoreView::rebuild()
{
    for (int row = 1; row < document_.EndRow; ++row)
        putRowText(row, rowFields(document_.ScoreData[std::size_t(row)]));
    list_.insertItem(document_.EndRow - 1, QString());
}

void ScoreView::showRowsAgain()
{
    list_.clear();
    rebuild();
    selectCurrentRow();
}

RowFields ScoreView::rowFields(const Row& row)
{
    if (!row.isPending())
        return fieldsForCode(row.code);
    // What the row showed while it was pending: the key chosen for it, or its length.
    if (row.key() != kNoKey)
        return {lookup(OctaveMarks, row.key() / 12), lookup(PitchNames, row.key() % 12), QString()};
    return {QString(), QString(), lookup(NoteLengthNames, row.length())};
}

SelectedRange ScoreView::selectedRange() const
{
    // Only the first block counts. A block that runs onto the blank end line has
    // no unselected item after it and yields its first row alone.
    SelectedRange range;
    for (int i = 0; i < list_.count(); ++i) {
        const bool selected = list_.isSelected(i);
        if (range.first == 0 && selected) {
            range.first = i + 1;
        } else if (range.first > 0 && !selected) {
            range.last = i;
            break;
        }
    }
    if (range.last == 0 && range.first > 0)
        range.last = range.first;
    return range;
}

} // namespace tw
