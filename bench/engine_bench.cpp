#include "engine_bench.h"

#include "bench_melody.h"
#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "report.h"
#include "statistics.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <ctime>

namespace tw::bench {
namespace {

std::chrono::nanoseconds processCpuTime()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

//! Each melody is played this often, so that the 99th percentile is not just the slowest row.
constexpr int kPlays = 3;

struct EngineRun {
    std::vector<double> rowErrorsMs;  //!< of every row of every play
    int plays = 0;                    //!< plays whose messages fitted the rows
    double cpuPercent = 0;
};

//! Plays the melody in a shown main window whose MIDI output stamps every
//! message, `playing` doing the playing; measures the rows and the CPU time.
template <typename Playing>
EngineRun measure(const std::vector<RowCode>& rows, Playing playing)
{
    auto output = std::make_unique<StampingMidiOut>();
    StampingMidiOut& stamps = *output;
    gui::MainWindow::Services services;
    services.midi = std::move(output);
    gui::MainWindow window(std::move(services));
    window.load();
    window.show();
    loadMelody(window, rows);

    const std::vector<double> nominal = nominalRowMs(rows);
    EngineRun run;
    std::chrono::nanoseconds cpu{0};
    SteadyClock::duration wall{0};
    for (int play = 0; play < kPlays; ++play) {
        // A user looks at the window before pressing play: it has been painted.
        idle(kSettleMs);
        stamps.takeStamps();
        const auto cpuBefore = processCpuTime();
        const auto wallBefore = SteadyClock::now();
        playing(window);
        wall += SteadyClock::now() - wallBefore;
        cpu += processCpuTime() - cpuBefore;
        const auto rowMs = measuredRowMs(rows, stamps.takeStamps());
        if (!rowMs)
            continue;
        ++run.plays;
        for (std::size_t i = 0; i < nominal.size(); ++i)
            run.rowErrorsMs.push_back(std::abs((*rowMs)[i] - nominal[i]));
    }
    run.cpuPercent = 100.0 * inMs(cpu) / inMs(wall);
    return run;
}

//! The poll of the engine's wait with the sleep taken out: it asks the event
//! loop for pending events and reads the clock again at once.
void playBusyPolling(gui::MainWindow& window)
{
    Editor& editor = window.editor();
    QElapsedTimer clock;
    clock.start();
    for (int row = 1; row < editor.EndRow(); ++row) {
        const RowCode code = editor.ScoreData()[std::size_t(row)].code;
        editor.SelectRow(row);
        const qint64 start = clock.elapsed();
        const int key = keyOf(code);
        if (key != kNoKey)
            editor.NoteOn(key);
        const qint64 end = start + sixteenthsOf(code) * kSixteenthMs;
        while (!(end < clock.elapsed()))
            QCoreApplication::processEvents();
        editor.NoteOff(key);
    }
}

void printRun(const std::string& name, const EngineRun& run, bool withTargets)
{
    if (run.plays < kPlays)
        printNote(format("%s: %d of %d plays sent messages that did not fit the rows", name.c_str(),
                         kPlays - run.plays, kPlays));
    if (run.plays == 0)
        return;
    const std::vector<double>& errors = run.rowErrorsMs;
    const double p99 = percentile(errors, 0.99);
    const std::string rowFigures =
        format("median %.2f ms, p99 %.2f ms, max %.2f ms", median(errors), p99, maximum(errors));
    const std::string cpuFigures = format("%.1f %% of one core", run.cpuPercent);
    if (withTargets) {
        printTarget("row length error, " + name, rowFigures, "p99 <= 2 ms", p99 <= 2.0);
        printTarget("CPU while playing, " + name, cpuFigures, "< 3 %", run.cpuPercent < 3.0);
    } else {
        printFigure("row length error, " + name, rowFigures);
        printFigure("CPU while playing, " + name, cpuFigures);
    }
}

} // namespace

void benchEngine()
{
    const std::vector<RowCode> rows = benchMelody();
    double totalMs = 0;
    for (double ms : nominalRowMs(rows))
        totalMs += ms;
    printHeading(format("Engine: %zu rows at tempo 180 (%.1f s), played %d times into a recording output, "
                        "offscreen window",
                        rows.size(), totalMs / 1000, kPlays));
    printRun("real engine", measure(rows, [](gui::MainWindow& window) { play(window); }), true);
    printRun("busy polling", measure(rows, playBusyPolling), false);
    printNote("a row ends at the first poll at which more than its length has passed: about 1 ms over by design");
}

} // namespace tw::bench
