#include "start_up_bench.h"

#include "sound/fluidsynth_midi_out.h"
#include "core/editor/editor.h"
#include "gui/application_identity.h"
#include "gui/art/artwork.h"
#include "gui/main_window.h"
#include "gui/single_instance.h"
#include "gui/splash_window.h"
#include "report.h"
#include "statistics.h"

#include <QApplication>
#include <QProcess>
#include <QWindow>
#include <array>
#include <cstdio>

namespace tw::bench {
namespace {

constexpr int kRuns = 5;
constexpr int kProcessTimeoutMs = 30000;

//! The moments the measured process notes, in order; the start of the process
//! is noted by the one that starts it.
constexpr std::array<const char*, 5> kSteps{"process start to main()", "QApplication and icon",
                                            "main window built", "main window loaded: MIDI, reset",
                                            "splash shown and painted"};

//! Start-up messages are answered, not shown: nobody is there to read a box.
class UnreadMessages final : public MessageBoxPort {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

std::int64_t steadyNs(SteadyClock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

struct StartUp {
    std::array<double, kSteps.size()> stepMs{};  //!< each step's own time
    double totalMs = 0;
    double soundfontMs = 0;
    QString midi;  //!< "open", or why the output did not open
};

std::optional<StartUp> runOnce(QString& failure)
{
    QProcess process;
    const std::int64_t started = steadyNs(SteadyClock::now());
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kStartUpArgument)});
    if (!process.waitForFinished(kProcessTimeoutMs) || process.exitCode() != 0) {
        failure = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (failure.isEmpty())
            failure = QStringLiteral("the start-up process failed: %1").arg(process.errorString());
        return std::nullopt;
    }
    // One steady-clock time in ns per step, the soundfont load in us, the MIDI state.
    const QStringList fields = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(u' ');
    if (fields.size() < qsizetype(kSteps.size()) + 2) {
        failure = QStringLiteral("the start-up process did not report its steps");
        return std::nullopt;
    }
    StartUp result;
    std::int64_t previous = started;
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        const std::int64_t at = fields[qsizetype(i)].toLongLong();
        result.stepMs[i] = double(at - previous) / 1e6;
        previous = at;
    }
    result.totalMs = double(previous - started) / 1e6;
    result.soundfontMs = fields[qsizetype(kSteps.size())].toDouble() / 1000;
    result.midi = fields.mid(qsizetype(kSteps.size()) + 1).join(u' ');
    return result;
}

} // namespace

int startUpAndReport(int argc, char* argv[])
{
    std::array<std::int64_t, kSteps.size()> at{};
    std::size_t step = 0;
    const auto note = [&] { at[step++] = steadyNs(SteadyClock::now()); };
    note();

    // The steps of the editor's own start.
    QApplication app(argc, argv);
    gui::setUpApplication(app);
    note();

    gui::SingleInstance instance;
    if (!instance.acquire()) {
        std::fprintf(stderr, "Tunewright is running already; its start-up cannot be measured now\n");
        return 1;
    }
    auto midi = std::make_unique<FluidSynthMidiOut>();
    const FluidSynthMidiOut& synthesizer = *midi;
    gui::MainWindow::Services services;
    services.midi = std::move(midi);
    services.messages = std::make_unique<UnreadMessages>();
    gui::MainWindow window(std::move(services));
    note();
    window.load();
    note();

    gui::SplashWindow splash(window);
    splash.show();
    while (!splash.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    splash.repaint();
    note();

    for (std::int64_t time : at)
        std::printf("%lld ", static_cast<long long>(time));
    const QString state = window.editor().MidiReady() ? QStringLiteral("open") : synthesizer.lastError();
    std::printf("%lld %s\n", static_cast<long long>(synthesizer.soundfontLoadTime().count()),
                state.toUtf8().constData());
    return 0;
}

void benchStartUp()
{
    printHeading(format("Start-up: process start to splash on screen, main window loaded (median of %d)", kRuns));
    std::vector<StartUp> runs;
    for (int run = 0; run < kRuns; ++run) {
        QString failure;
        const auto result = runOnce(failure);
        if (!result) {
            printNote("skipped: " + failure.toStdString());
            return;
        }
        runs.push_back(*result);
    }
    const auto medianOf = [&](auto figure) {
        std::vector<double> values;
        for (const StartUp& run : runs)
            values.push_back(figure(run));
        return median(values);
    };
    const double totalMs = medianOf([](const StartUp& run) { return run.totalMs; });
    printTarget("start-up to splash on screen", format("%.0f ms", totalMs), "< 300 ms", totalMs < 300);
    for (std::size_t i = 0; i < kSteps.size(); ++i)
        printFigure(std::string("  ") + kSteps[i],
                    format("%.0f ms", medianOf([i](const StartUp& run) { return run.stepMs[i]; })));
    printFigure("soundfont load within it",
                format("%.1f ms", medianOf([](const StartUp& run) { return run.soundfontMs; })));
    if (runs.back().midi != QStringLiteral("open"))
        printNote("the MIDI output did not open: " + runs.back().midi.toStdString());
}

} // namespace tw::bench
