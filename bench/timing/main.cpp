// timing_bench: how far the reaction time a program stores is from the true time between the
// stimulus reaching the screen and the press.
//
// A software photodiode reads the stimulus area of the screen of a private X server (Xvfb)
// through MIT-SHM every few hundred microseconds and stamps the moment the colour changes; a
// robot finger sends a real XTest button press a known, random time after that moment. After
// every series the stored times (recovery file) and, where the program writes it, the trace
// of its unrounded stamps are paired with the true delays.
//
// bench/timing.py starts the X server and the program, passes where the program's controls
// are (read from its window forms), and ends every process afterwards; this measures.

#include "Lock.h"
#include "Options.h"
#include "Report.h"
#include "Run.h"

#include <iostream>

using namespace timing;

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    try {
        waitForOtherBenchmarks();
        Run run(options);
        run.openTest();
        run.goRealtime();
        std::cout << "timing_bench: display " << options.display << ", test window at " << run.origin().x << ","
                  << run.origin().y << "; " << run.realtimeNote() << "\n"
                  << std::flush;
        std::vector<Condition> conditions;
        for (const auto& kind : options.conditions) {
            std::cout << "timing_bench: " << conditionTitle(kind) << "\n" << std::flush;
            conditions.push_back(run.measure(kind));
        }
        report({options, run.seed(), run.realtimeNote(), run.restColour(), run.stimulusColour()}, conditions);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "timing_bench: " << e.what() << "\n";
        return 1;
    }
}
