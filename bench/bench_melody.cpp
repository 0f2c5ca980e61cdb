#include "bench_melody.h"

#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "statistics.h"
#include "support/editor_probe.h"

#include <QComboBox>
#include <QEventLoop>
#include <QTimer>

namespace tw::bench {
namespace {

constexpr int kRows = 64;
constexpr int kEighthRest = 1;
//! A tune over the whole keyboard, low F to high F.
constexpr int kKeys[] = {12, 16, 19, 24, 21, 17, 14, 9, 5, 7, 11, 14, 19, 23, 26, 29, 28, 24, 20, 15};

} // namespace

std::vector<RowCode> benchMelody()
{
    std::vector<RowCode> rows;
    int note = 0;
    while (int(rows.size()) < kRows) {
        // Two notes, then a rest; the last row is a note.
        if (rows.size() % 3 == 2 && int(rows.size()) < kRows - 1) {
            rows.push_back(RowCode(kRestBase + kEighthRest));
            continue;
        }
        const int key = kKeys[std::size_t(note) % std::size(kKeys)];
        const int length = note % 4;  // sixteenth, eighth, dotted eighth, quarter
        rows.push_back(RowCode(key * 10 + length));
        ++note;
    }
    return rows;
}

std::vector<double> nominalRowMs(const std::vector<RowCode>& rows)
{
    std::vector<double> lengths;
    for (RowCode code : rows) {
        lengths.push_back(sixteenthsOf(code) * kSixteenthMs);
    }
    return lengths;
}

std::optional<std::vector<double>> measuredRowMs(const std::vector<RowCode>& rows, const std::vector<Stamp>& stamps)
{
    std::vector<double> lengths;
    std::size_t next = 0;
    std::optional<SteadyClock::time_point> previousEnd;
    for (RowCode code : rows) {
        // A note row runs from its note-on to its note-off; a rest from the
        // note-off before it to the note-on after it.
        const bool rest = isRestCode(code);
        if (next + (rest ? 0 : 1) >= stamps.size() || (rest && !previousEnd))
            return std::nullopt;
        const SteadyClock::time_point start = rest ? *previousEnd : stamps[next].at;
        const SteadyClock::time_point end = rest ? stamps[next].at : stamps[next + 1].at;
        if (!rest)
            next += 2;
        lengths.push_back(inMs(end - start));
        previousEnd = end;
    }
    if (next != stamps.size())
        return std::nullopt;
    return lengths;
}

void loadMelody(gui::MainWindow& window, const std::vector<RowCode>& rows)
{
    Editor& editor = window.editor();
    Document& document = EditorProbe::document(editor);
    document.ScoreData.fill(Row{});
    for (std::size_t i = 0; i < rows.size(); ++i)
        document.ScoreData[i + 1] = Row{rows[i]};
    document.EndRow = int(rows.size()) + 1;
    document.CurrentRow = 1;
    editor.RebuildScoreList();
    window.widgets().cmbTempo->setCurrentIndex(kBenchTempoIndex);
    editor.SetCommandStates(Keep, Keep, Keep, Keep, On, Keep, Keep, Keep, Keep, Keep, Keep, Keep);
}

void play(gui::MainWindow& window)
{
    window.editor().imgPlay_MouseDown(kLeftButton, 0, 1.0, 1.0);
    window.editor().imgPlay_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tw::bench
