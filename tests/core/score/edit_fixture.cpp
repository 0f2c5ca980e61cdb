#include "edit_fixture.h"

#include "codecs/score/row_text.h"

namespace tw::test {
namespace {

struct EditImage {
    ToolImage image;
    void (Editor::*press)(int, int, double, double);
    void (Editor::*release)(int, int, double, double);
    void (Editor::*menu)();
};

EditImage imageOf(Edit edit)
{
    switch (edit) {
    case Edit::Insert:
        return {ToolImage::Insert, &Editor::imgInsert_MouseDown, &Editor::imgInsert_MouseUp,
                &Editor::mnuInsert_Click};
    case Edit::Delete:
        return {ToolImage::Del, &Editor::imgDel_MouseDown, &Editor::imgDel_MouseUp, &Editor::mnuDel_Click};
    case Edit::Copy:
        return {ToolImage::Copy, &Editor::imgCopy_MouseDown, &Editor::imgCopy_MouseUp, &Editor::mnuCopy_Click};
    case Edit::Paste:
        return {ToolImage::Paste, &Editor::imgPaste_MouseDown, &Editor::imgPaste_MouseUp,
                &Editor::mnuPaste_Click};
    case Edit::Undo:
        return {ToolImage::Undo, &Editor::imgUndo_MouseDown, &Editor::imgUndo_MouseUp, &Editor::mnuUndo_Click};
    }
    return {};
}

template <typename T>
void printList(const char* name, const std::vector<T>& values, std::ostream* os)
{
    *os << "\n  " << name << " {";
    for (std::size_t i = 0; i < values.size(); ++i) {
        *os << (i ? ", " : "");
        ::testing::internal::UniversalPrint(values[i], os);
    }
    *os << '}';
}

} // namespace

void PrintTo(const EditState& state, std::ostream* os)
{
    printList("rows", state.rows, os);
    *os << "\n  EndRow " << state.endRow << ", CurrentRow " << state.currentRow
        << (state.entryOpen ? ", entry open" : "") << (state.saved ? ", saved" : ", not saved");
    printList("codes past the end line at", state.codesPastEnd, os);
    *os << "\n  list ";
    ::PrintTo(state.texts, os);
    printList("selected rows", state.selectedRows, os);
    *os << "\n  commands \"" << state.commands << '"';
    printList("messages", state.messages, os);
    *os << '\n';
}

QStringList listOf(const std::vector<RowCode>& rows)
{
    QStringList texts;
    for (std::size_t i = 0; i < rows.size(); ++i)
        texts << composeRowText(int(i) + 1, fieldsForCode(rows[i]));
    texts << QString();
    return texts;
}

EditState expectState(std::vector<RowCode> rows, int currentRow, std::vector<int> selectedRows,
                      bool saved, std::string commands, std::vector<Message> messages)
{
    EditState state;
    state.endRow = int(rows.size()) + 1;
    state.texts = listOf(rows);
    state.rows = std::move(rows);
    state.currentRow = currentRow;
    state.selectedRows = std::move(selectedRows);
    state.saved = saved;
    state.commands = std::move(commands);
    state.messages = std::move(messages);
    return state;
}

std::vector<RowCode> melody(int count)
{
    // Every key with one length, then every key with the next length, ...
    std::vector<RowCode> rows;
    for (int i = 0; i < count; ++i) {
        const int key = kFirstKey + i % (kLastKey - kFirstKey + 1);
        const int length = i / (kLastKey - kFirstKey + 1) % kLengthCount;
        rows.push_back(RowCode(key * 10 + length));
    }
    return rows;
}

std::vector<RowCode> operator+(std::vector<RowCode> a, const std::vector<RowCode>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void EditTest::run(Edit edit)
{
    // A disabled image gets no mouse events: a case must only do what a user can.
    if (!controls.isToolEnabled(imageOf(edit).image))
        ADD_FAILURE() << "the image of edit " << int(edit) << " is disabled";
    press(edit, kLeftButton, 300, 200);
    release(edit, kLeftButton, 300, 200);
}

void EditTest::press(Edit edit, int button, double x, double y)
{
    (editor.*imageOf(edit).press)(button, 0, x, y);
}

void EditTest::release(Edit edit, int button, double x, double y)
{
    (editor.*imageOf(edit).release)(button, 0, x, y);
}

void EditTest::chooseMenuEntry(Edit edit) { (editor.*imageOf(edit).menu)(); }

EditState EditTest::state() const
{
    EditState state;
    state.rows = rows();
    state.endRow = editor.EndRow();
    for (int i = editor.EndRow(); i < kScoreSize; ++i)
        if (editor.ScoreData()[std::size_t(i)].code != kEmptyRow)
            state.codesPastEnd.push_back(i);
    state.currentRow = editor.CurrentRow();
    state.texts = list.texts();
    for (const int index : list.selectedIndexes())
        state.selectedRows.push_back(index + 1);
    state.entryOpen = editor.EntryOpen();
    state.saved = editor.Saved();
    state.commands = commandStates();
    state.messages = messages.shown();
    return state;
}

} // namespace tw::test
