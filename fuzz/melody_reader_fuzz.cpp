// The melody reader on any bytes: it reads every input, keeps at most 500 rows and only rows a
// score can show, a title within the width limit and a tempo of the list, and what it read is
// written and read back to the same rows and tempo.

#include "fuzz_check.h"

#include "codecs/files/melody_file.h"
#include "codecs/files/note_text.h"
#include "codecs/files/title.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <variant>

namespace {

std::expected<tw::MelodyReadResult, QString> readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return tw::readMelodyFile(buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    const auto read = readBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    TW_FUZZ_CHECK(read.has_value());  // a buffer can always be read

    TW_FUZZ_CHECK(read->rows.size() <= std::size_t(kMaxRows));
    TW_FUZZ_CHECK(!read->truncated || read->rows.size() == std::size_t(kMaxRows));
    for (const RowCode code : read->rows) {
        // Every row kept is one the note text writes and reads back as itself.
        const LineVerdict again = ParseMmlLine(CodeToMml(code));
        TW_FUZZ_CHECK(code == kEmptyRow ? std::holds_alternative<line::EmptyRow>(again)
                                        : again == LineVerdict(line::Row{code}));
    }
    if (read->title)
        TW_FUZZ_CHECK(!titleTooWide(*read->title));
    TW_FUZZ_CHECK(!read->titleCut || read->title);
    if (read->tempo)
        TW_FUZZ_CHECK(tempoIndexOf(*read->tempo) >= 0);

    // Saved and opened again: the same rows and the same tempo.
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    const QString tempoText = read->tempo ? QString::number(*read->tempo) : QString();
    TW_FUZZ_CHECK(writeMelodyFile(saved, read->title.value_or(QString()), tempoText, read->rows)
                      .has_value());
    const auto reread = readBytes(saved.data());
    TW_FUZZ_CHECK(reread.has_value());
    TW_FUZZ_CHECK(reread->rows == read->rows);
    TW_FUZZ_CHECK(reread->tempo == read->tempo);
    TW_FUZZ_CHECK(reread->title.has_value());
    return 0;
}
