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

    static constexpr Row note(int key, int length) { return {noteCode(key, length)}; }
    static constexpr Row rest(int index) { return {restCode(index)}; }

    constexpr bool isEmpty() const { return code == kEmptyRow; }
    constexpr bool isPending() const { return code == kPendingRow; }
    constexpr bool isNote() const { return code > kEmptyRow && code < kRestBase; }
    constexpr bool isRest() const { return code >= kRestBase && code < kPendingRow; }
    //! The key of a note; for a pending row the key chosen for it, if any.
    constexpr int key() const { return isPending() ? chosenKey : keyOf(code); }
    //! The length of a note, the rest index of a rest; for a pending row the length chosen.
    constexpr int length() const { return isPending() ? chosenLength : lengthOf(code); }

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
