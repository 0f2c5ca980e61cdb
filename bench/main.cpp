// tunewright-bench: the figures of `make bench` in one table. Every figure is
// measured in this run; a figure with a target says whether it met it. The
// program ends with 0 either way: a missed target is news, not a failure.

#include "ear_bench.h"
#include "engine_bench.h"
#include "report.h"
#include "start_up_bench.h"
#include "support/private_pulse.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <thread>

int main(int argc, char* argv[])
{
    using namespace tw::bench;
    if (argc > 1 && std::strcmp(argv[1], kStartUpArgument) == 0)
        return startUpAndReport(argc, argv);

    QApplication app(argc, argv);
    double load[1] = {0};
    getloadavg(load, 1);
    // Other work on the machine shows in every timing figure: the load says how much there was.
    std::printf("Tunewright benchmark (%u cores, load average %.1f, Qt platform %s)\n",
                std::thread::hardware_concurrency(), load[0], qPrintable(QApplication::platformName()));

    benchEngine();

    // The ear and the start-up use the real MIDI output: both want a sound server.
    tw::test::PrivatePulseServer server;
    if (server.whyNotRunning().isEmpty()) {
        benchEar();
    } else {
        printHeading("Ear: the melody through FluidSynth into a private PulseAudio null sink");
        printNote("skipped: no private PulseAudio server: " + server.whyNotRunning().toStdString());
    }
    benchStartUp();
    return 0;
}
