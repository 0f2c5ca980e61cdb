// The import on any bytes, as a MIDI file or as ringtones: it ends with a melody or a sentence
// saying what is wrong, and a melody is one the editor can hold and play: at most 500 rows,
// each a note of the keyboard or a rest, at a tempo of the tempo list, counted in its report.

#include "fuzz_check.h"

#include "import/melody_import.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto imported = importMelody(bytes);
    if (!imported) {
        TW_FUZZ_CHECK(!imported.error().isEmpty());
        return 0;
    }
    const FittedMelody& fitted = imported->fitted;
    TW_FUZZ_CHECK(fitted.rows.size() <= std::size_t(kMaxRows));
    TW_FUZZ_CHECK(fitted.report.rows == int(fitted.rows.size()));
    TW_FUZZ_CHECK(tempoIndexOf(fitted.tempo) >= 0);
    for (const RowCode code : fitted.rows) {
        if (isRestCode(code)) {
            TW_FUZZ_CHECK(code >= kRestBase && code < kRestBase + kRestCount);
        } else {
            TW_FUZZ_CHECK(keyOf(code) >= kFirstKey && keyOf(code) <= kLastKey);
            TW_FUZZ_CHECK(lengthOf(code) >= 0 && lengthOf(code) < kLengthCount);
        }
    }
    return 0;
}
