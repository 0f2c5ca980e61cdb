// The line parser on any line (the input read as UTF-8): every verdict is one the file can
// hold, and a line that reads as a row code comes back from CodeToMml as a line that reads
// as the same code.

#include "fuzz_check.h"

#include "codecs/files/note_text.h"
#include "codecs/score/row_text.h"

#include <cstddef>
#include <cstdint>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const LineVerdict verdict = ParseMmlLine(text);

    if (const auto* tempo = std::get_if<line::Tempo>(&verdict))
        TW_FUZZ_CHECK(tempoIndexOf(tempo->bpm) >= 0);
    if (const auto* title = std::get_if<line::Title>(&verdict))
        TW_FUZZ_CHECK(!title->text.startsWith(u' ') && !title->text.endsWith(u' '));
    TW_FUZZ_CHECK(!std::holds_alternative<line::EmptyRow>(verdict) || text.isEmpty());

    if (const auto* row = std::get_if<line::Row>(&verdict)) {
        // A row the score list can show: no empty or pending code, a name for its length and,
        // for a note, a name for its pitch and a mark for its octave.
        TW_FUZZ_CHECK(row->code != kEmptyRow && row->code != kPendingRow);
        const RowFields fields = fieldsForCode(row->code);
        TW_FUZZ_CHECK(!fields.length.isEmpty() && !fields.mark.isEmpty());
        TW_FUZZ_CHECK(isRestCode(row->code) || !fields.pitch.isEmpty());

        const QString written = CodeToMml(row->code);
        TW_FUZZ_CHECK(ParseMmlLine(written) == verdict);
    }
    return 0;
}
