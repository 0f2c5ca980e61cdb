#pragma once
// The row edits through the fakes: a fixture that runs Insert, Delete, Copy,
// Paste and Undo as the mouse does, and the whole state a case compares after
// its steps, so every case checks the rows, the list, the selection, Saved and
// the command states together.

#include "support/editor_fixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace tw::test {

enum class Edit { Insert, Delete, Copy, Paste, Undo };

//! Everything an edit may change, as the user and the next command see it.
struct EditState {
    std::vector<RowCode> rows;    //!< ScoreData rows 1 to EndRow - 1
    int endRow = 1;
    std::vector<int> codesPastEnd; //!< entries from EndRow to 501 that are not 0
    int currentRow = 1;
    QStringList texts;            //!< the items of the list
    std::vector<int> selectedRows;
    bool entryOpen = false;
    bool saved = true;
    std::string commands;         //!< EditorFixture::commandStates()
    std::vector<Message> messages;

    friend bool operator==(const EditState&, const EditState&) = default;
    friend void PrintTo(const EditState& state, std::ostream* os);
};

//! The items a score of these rows shows: every row's text, then the blank end line.
QStringList listOf(const std::vector<RowCode>& rows);

//! The state of a score holding `rows` with nothing odd in it.
EditState expectState(std::vector<RowCode> rows, int currentRow, std::vector<int> selectedRows,
                      bool saved, std::string commands, std::vector<Message> messages = {});

//! `count` rows of different notes.
std::vector<RowCode> melody(int count);

std::vector<RowCode> operator+(std::vector<RowCode> a, const std::vector<RowCode>& b);

class EditTest : public EditorFixture {
public:
    //! A press and a release of the left button in the middle of the command's image.
    void run(Edit edit);
    //! The image's press and release handlers, x and y in twips within the 600 x 450 image.
    void press(Edit edit, int button, double x, double y);
    void release(Edit edit, int button, double x, double y);
    void chooseMenuEntry(Edit edit);
    void click(int row) { clickRow(row); }
    //! A click on `first`, then a shift-click on `last`.
    void select(int first, int last)
    {
        clickRow(first);
        shiftClickRow(last);
    }
    void key(int key) { clickKey(key); }
    void arrowDown() { list.arrowDown(); }
    void arrowUp() { list.arrowUp(); }

    EditState state() const;

protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        controls.setToolImageSize({600, 450});
    }
};

//! One case of a table: rows loaded, steps taken, the state expected afterwards.
struct EditCase {
    const char* name;
    std::vector<RowCode> rows;
    void (*steps)(EditTest&);
    EditState expected;
    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

class EditTableTest : public EditTest, public ::testing::WithParamInterface<EditCase> {
protected:
    void runCase()
    {
        loadRows(GetParam().rows);
        GetParam().steps(*this);
        EXPECT_EQ(state(), GetParam().expected);
    }
};

inline std::string caseName(const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; }

// Six rows of every kind: notes, a rest, an empty row (E).
inline constexpr RowCode A = 50, B = 123, C = 994, D = 171, E = 0, F = 297;
inline const std::vector<RowCode> kSixRows{A, B, C, D, E, F};

// Command states seen after the steps of the cases.
inline constexpr const char* kAfterEdit = "Insert Delete Copy Play Tempo Send Open Save Exit New Undo";
inline constexpr const char* kAfterPaste = "Delete Copy Paste Play Tempo Send Open Save Exit New Undo";

} // namespace tw::test
