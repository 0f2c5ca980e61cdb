#include "import/chip_fitting.h"

#include "codecs/midi/midi_messages.h"
#include "codecs/score/row_timing.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <tuple>
#include <cstdlib>
#include <limits>

namespace tw {
namespace {

// The tune as it lies on one tempo's grid of sixteenths.
struct GridNote {
    std::int64_t start;     // in sixteenths
    std::int64_t length;    // in sixteenths, at least 1, at most up to the next note
    int key;
};

struct Placement {
    std::vector<GridNote> notes;
    std::int64_t end = 0;   // in sixteenths
    std::int64_t errorUs = 0;
    std::int64_t rows = 0;
    int merged = 0;
    int lengthened = 0;
    int shortened = 0;
};

constexpr int kShiftRange = 11;  // octaves either way: more than MIDI's 128 notes span

bool onKeyboard(int key) { return key >= kFirstKey && key <= kLastKey; }

int keyOfNote(int midiNote) { return midiNote - kKeyToNote; }

int bestOctaveShift(const std::vector<TuneNote>& notes)
{
    int best = 0;
    int bestCount = -1;
    // From the smallest move outwards, so the first best count is the smallest move.
    for (int distance = 0; distance <= kShiftRange; ++distance)
        for (const int shift : {distance, -distance}) {
            const auto count = std::ranges::count_if(notes, [&](const TuneNote& note) {
                return onKeyboard(keyOfNote(note.midiNote) + 12 * shift);
            });
            if (count > bestCount) {
                best = shift;
                bestCount = int(count);
            }
        }
    return best;
}

// The longest note length of at most `sixteenths`, as its length index.
int longestNoteWithin(std::int64_t sixteenths)
{
    for (int length = kLengthCount - 1; length > 0; --length)
        if (NoteDurations[std::size_t(length)] <= sixteenths)
            return length;
    return 0;
}

// The rest rows a silence of `sixteenths` takes: whole rests, then one of each shorter rest
// its remainder needs.
std::int64_t restRowCount(std::int64_t sixteenths)
{
    const int longest = RestDurations[kRestCount - 1];
    return sixteenths / longest + std::popcount(std::uint64_t(sixteenths % longest));
}

std::int64_t roundedDivide(std::int64_t value, std::int64_t by) { return (value + by / 2) / by; }

Placement place(const std::vector<TuneNote>& notes, const std::vector<int>& keys, std::int64_t endUs, int tempo)
{
    const std::int64_t sixteenthUs = std::int64_t(sixteenthMs(tempo)) * 1000;
    Placement placed;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::int64_t start = roundedDivide(notes[i].startUs, sixteenthUs);
        placed.errorUs += std::abs(start * sixteenthUs - notes[i].startUs);
        const std::int64_t length = roundedDivide(notes[i].endUs, sixteenthUs) - start;
        if (!placed.notes.empty() && placed.notes.back().start == start) {
            // Notes on one sixteenth become one: the highest key for as long as the longest.
            ++placed.merged;
            placed.notes.back().key = std::max(placed.notes.back().key, keys[i]);
            placed.notes.back().length = std::max(placed.notes.back().length, length);
            continue;
        }
        placed.notes.push_back({start, length, keys[i]});
    }
    // Each note's end, now that the next note's start is known.
    std::int64_t at = 0;
    for (std::size_t i = 0; i < placed.notes.size(); ++i) {
        GridNote& note = placed.notes[i];
        placed.rows += restRowCount(note.start - at);
        if (note.length < 1) {
            note.length = 1;
            ++placed.lengthened;
        }
        if (i + 1 < placed.notes.size())
            note.length = std::min(note.length, placed.notes[i + 1].start - note.start);
        const std::int64_t playable = NoteDurations[std::size_t(longestNoteWithin(note.length))];
        if (playable != note.length)
            ++placed.shortened;
        note.length = playable;
        placed.rows += 1;
        at = note.start + note.length;
    }
    placed.end = std::max(at, roundedDivide(endUs, sixteenthUs));
    placed.rows += restRowCount(placed.end - at);
    return placed;
}

// The end error needs the notes' own ends: a merged note's end is the one it merged into.
std::int64_t endError(const Placement& placed, const std::vector<TuneNote>& notes, int tempo)
{
    const std::int64_t sixteenthUs = std::int64_t(sixteenthMs(tempo)) * 1000;
    std::int64_t error = 0;
    std::size_t next = 0;
    for (const TuneNote& note : notes) {
        const std::int64_t start = roundedDivide(note.startUs, sixteenthUs);
        while (next + 1 < placed.notes.size() && placed.notes[next + 1].start <= start)
            ++next;
        const GridNote& grid = placed.notes[next];
        if (grid.start == start)
            error += std::abs((grid.start + grid.length) * sixteenthUs - note.endUs);
    }
    return error;
}

void appendRests(std::vector<RowCode>& rows, std::int64_t sixteenths)
{
    for (int rest = kRestCount - 1; rest >= 0 && rows.size() < std::size_t(kMaxRows); --rest)
        while (sixteenths >= RestDurations[std::size_t(rest)] && rows.size() < std::size_t(kMaxRows)) {
            rows.push_back(RowCode(kRestBase + rest));
            sixteenths -= RestDurations[std::size_t(rest)];
        }
}

} // namespace

FittedMelody fitToChip(const Tune& tune)
{
    FittedMelody fitted;
    FittingReport& report = fitted.report;

    report.octaveShift = bestOctaveShift(tune.notes);
    std::vector<int> keys;
    keys.reserve(tune.notes.size());
    for (const TuneNote& note : tune.notes) {
        int key = keyOfNote(note.midiNote) + 12 * report.octaveShift;
        if (!onKeyboard(key))
            ++report.notesMovedByOctave;
        while (key < kFirstKey)
            key += 12;
        while (key > kLastKey)
            key -= 12;
        keys.push_back(key);
    }

    struct Choice {
        std::int64_t errorUs;
        std::int64_t rows;
        double fromSource;
        int tempo;
    };
    std::optional<Choice> best;
    std::optional<Placement> bestPlacement;
    for (const TempoItem& item : TempoItems) {
        Placement placed = place(tune.notes, keys, tune.endUs, item.bpm);
        placed.errorUs += endError(placed, tune.notes, item.bpm);
        const Choice choice{placed.errorUs, placed.rows, std::abs(item.bpm - tune.sourceBpm), item.bpm};
        const auto rank = [](const Choice& c) { return std::tuple(c.errorUs, c.rows, c.fromSource); };
        if (!best || rank(choice) < rank(*best)) {
            best = choice;
            bestPlacement = std::move(placed);
        }
    }
    const Placement& placed = *bestPlacement;
    report.tempo = fitted.tempo = best->tempo;
    report.timingErrorMs = placed.errorUs / 1000;
    report.notesMerged = placed.merged;
    report.notesLengthened = placed.lengthened;
    report.notesShortened = placed.shortened;

    std::int64_t at = 0;
    int notesPlaced = 0;
    for (const GridNote& note : placed.notes) {
        appendRests(fitted.rows, note.start - at);
        if (fitted.rows.size() >= std::size_t(kMaxRows))
            break;
        fitted.rows.push_back(RowCode(note.key * 10 + longestNoteWithin(note.length)));
        ++notesPlaced;
        at = note.start + note.length;
    }
    if (notesPlaced == int(placed.notes.size()))
        appendRests(fitted.rows, placed.end - at);
    report.notesCut = int(placed.notes.size()) - notesPlaced;
    report.rowsCut = placed.rows > kMaxRows;
    report.rows = int(fitted.rows.size());
    return fitted;
}

} // namespace tw
