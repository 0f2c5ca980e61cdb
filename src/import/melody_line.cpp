#include "import/melody_line.h"

#include <algorithm>

namespace tw {
namespace {

bool isLegatoOverlap(const TuneNote& sounding, const TuneNote& next)
{
    const std::int64_t overlap = sounding.endUs - next.startUs;
    return 4 * overlap <= sounding.endUs - sounding.startUs && 4 * overlap <= next.endUs - next.startUs;
}

} // namespace

MelodyLine highestLine(std::vector<TuneNote> notes)
{
    std::ranges::sort(notes, [](const TuneNote& a, const TuneNote& b) {
        return a.startUs != b.startUs ? a.startUs < b.startUs : a.midiNote > b.midiNote;
    });
    MelodyLine line;
    for (const TuneNote& note : notes) {
        if (line.notes.empty() || line.notes.back().endUs <= note.startUs) {
            line.notes.push_back(note);
            continue;
        }
        TuneNote& sounding = line.notes.back();
        const bool wins = note.startUs != sounding.startUs
            && (note.midiNote >= sounding.midiNote || isLegatoOverlap(sounding, note));
        if (!wins) {
            ++line.notesBeneath;
            continue;
        }
        sounding.endUs = note.startUs;
        ++line.notesCutShort;
        line.notes.push_back(note);
    }
    return line;
}

} // namespace tw
