#pragma once
// The score list `lstScore` as a view of the document: one item per row, the
// blank end line after them, and the selection the commands act on.

#include "codecs/score/row_text.h"
#include "core/ports.h"
#include "core/score/document.h"

namespace tw {

//! The first and last row of the first block of selected items; (0, 0) when none.
struct SelectedRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const SelectedRange&, const SelectedRange&) = default;
};

class ScoreView {
public:
    ScoreView(const Document& document, ScoreListPort& list) : document_(document), list_(list) {}

    //! `PutRowText`: replaces the row's item, or appends it where the list ends just before it.
    int putRowText(int row, const RowFields& fields);
    //! `SelectRow`: selects the row's item alone and scrolls it into view; see the
    //! definition for the end line.
    void selectRow(int row);
    //! Selects CurrentRow, the end line included, which selectRow alone leaves unselected.
    void selectCurrentRow();
    //! `RebuildScoreList`: the items of every row and the end line, after a cleared list.
    void rebuild();
    //! Clears and rebuilds the list and selects the current row.
    void showRowsAgain();
    //! `GetSelectedRange`.
    SelectedRange selectedRange() const;

    //! The fields a row shows; a pending row shows what was chosen for it.
    static RowFields rowFields(const Row& row);

private:
    const Document& document_;
    ScoreListPort& list_;
};

} // namespace tw
