#include "core/editor.h"

namespace tw {

int Editor::PutRowText(int row, const QString& mark, const QString& pitch, const QString& length)
{
    const QString text = composeRowText(row, {mark, pitch, length});
    // Replaces the row's item, or appends when the list ends just before it.
    if (ports_.list.count() >= row)
        ports_.list.removeItem(row - 1);
    ports_.list.insertItem(row - 1, text);
    return row;
}

void Editor::SelectRow(int row)
{
    ports_.list.setFocus();
    ports_.list.setCaretIndex(row - 1);
    // Down and back up again selects the caret item alone and scrolls it into
    // view. On the last item the down move does nothing, so the item above it
    // ends up selected; callers selecting the last item move down once more.
    ports_.list.moveCaretDown();
    ports_.list.moveCaretUp();
}

void Editor::selectCurrentRow()
{
    // The current row is the one the next entry and the next edit act on, so it
    // must be the one the user sees selected, also when it is the end line.
    SelectRow(CurrentRow);
    if (CurrentRow == EndRow)
        ports_.list.moveCaretDown();
}

void Editor::RebuildScoreList()
{
    for (int row = 1; row < EndRow; ++row) {
        const RowFields fields = rowFields(ScoreData[std::size_t(row)]);
        PutRowText(row, fields.mark, fields.pitch, fields.length);
    }
    ports_.list.insertItem(EndRow - 1, QString());
}

RowFields Editor::rowFields(const Row& row)
{
    if (row.code != kPendingRow)
        return fieldsForCode(row.code);
    // What the row showed while it was pending: the key chosen for it, or its length.
    if (row.chosenKey != kNoKey)
        return {lookup(OctaveMarks, row.chosenKey / 12), lookup(PitchNames, row.chosenKey % 12), QString()};
    return {QString(), QString(), lookup(NoteLengthNames, row.chosenLength)};
}

SelectedRange Editor::GetSelectedRange() const
{
    // Only the first block counts. A block that runs onto the blank end line has
    // no unselected item after it and yields its first row alone.
    SelectedRange range;
    for (int i = 0; i < ports_.list.count(); ++i) {
        const bool selected = ports_.list.isSelected(i);
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

void Editor::ClearKeySelection()
{
    for (int key = kFirstKey; key <= kLastKey; ++key)
        ports_.controls.showKeyPicture(key, false);
    CurKey = kNoKey;
    EntryOpen = false;
}

void Editor::ClearLengthSelection()
{
    for (int index = 0; index < kLengthCount; ++index)
        ports_.controls.showLengthPicture(index, false);
    CurLength = kNoLength;
    EntryOpen = false;
}

} // namespace tw
