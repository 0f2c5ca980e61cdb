#pragma once
// The melody being edited, as every command sees it: the rows, where the end
// line and the current row are, the title, the file it belongs to, the tempo,
// and whether it has changed since it was last opened or saved.

#include "codecs/score/row.h"
#include "codecs/score/tables.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace tw {

//! The file name and title of a melody that has none.
inline const QString kUntitled = QStringLiteral("無題");

struct Document {
    //! Entries 1 to EndRow - 1 are the rows; entry EndRow is the blank end line,
    //! which may hold a row waiting for its key or length. Entry 0 is no row.
    std::array<Row, kScoreSize> ScoreData{};
    int CurrentRow = 1;
    int EndRow = 1;
    QString Title = kUntitled;
    QString FilePath = kUntitled;
    int Tempo = 120;
    bool Saved = true;

    //! The codes of rows 1 to EndRow - 1: what files and transfers are made of.
    std::vector<RowCode> rowCodes() const
    {
        return codesOf(std::span(ScoreData).subspan(1, std::size_t(EndRow - 1)));
    }
};

} // namespace tw
