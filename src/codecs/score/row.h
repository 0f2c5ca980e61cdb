#pragma once
// One row of the score: its row code, and for a pending row what has been chosen for it.

#include "codecs/score/tables.h"

#include <span>
#include <vector>

namespace tw {

struct Row {
    RowCode code = kEmptyRow;
    //! A pending row (code 999) shows what was chosen for it so far: its key, or its length.
    //! The rows move, and a row left pending keeps its own choice, whatever is chosen later
    //! for another row.
    int chosenKey = kNoKey;
    int chosenLength = kNoLength;
    friend bool operator==(const Row&, const Row&) = default;
};

//! A row waiting for the length of the key `key`.
inline constexpr Row pendingWithKey(int key) { return {kPendingRow, key, kNoLength}; }
//! A row waiting for the key of the length `length`.
inline constexpr Row pendingWithLength(int length) { return {kPendingRow, kNoKey, length}; }

//! The codes of some rows, in order: what files and transfers are made of.
inline std::vector<RowCode> codesOf(std::span<const Row> rows)
{
    std::vector<RowCode> codes;
    codes.reserve(rows.size());
    for (const Row& row : rows)
        codes.push_back(row.code);
    return codes;
}

} // namespace tw
