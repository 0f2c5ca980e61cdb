#pragma once
// A melody file opened as the editor's open command opens it: the title as the
// title box holds it, the tempo as the tempo list shows it, the rows, and the
// messages the command would show.

#include "codecs/score/tables.h"
#include "core/message_catalogue.h"

#include <QString>
#include <expected>
#include <vector>

namespace tw::cli {

struct OpenedMelody {
    QString title;      //!< "無題" when the file has no title line
    QString tempoText;  //!< "120" when the file has no tempo line
    int tempoItemData = 0;
    std::vector<RowCode> rows;
    std::optional<QString> lastInvalidLine;
    msg::ReadingReport report;  //!< what the open command would tell
};

//! The melody in the file at `path`; an error names the path and the reason.
std::expected<OpenedMelody, QString> openMelody(const QString& path);

} // namespace tw::cli
