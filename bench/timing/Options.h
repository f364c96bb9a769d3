#pragma once
// What the benchmark is told on its command line. It measures a program that is already
// running on a display (bench/timing.py starts both and ends them); everything it needs to
// know about that program's windows comes in here.

#include "XSession.h"

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace timing {

struct Options {
    std::string display;
    pid_t programPid = -1;
    pid_t serverPid = -1;
    std::string program;   // shown in the report
    std::string workDir;   // the program's folder: the recovery file is there
    std::string trace;     // the program's stamp trace; empty: stored times only
    std::string title;     // test window
    Rect watch;            // client-relative: the stimulus area
    Point press;           // client-relative: where the finger presses
    std::string menuTitle; // window the test is opened from ('' = none)
    Point menuClick;
    Point startClick;
    std::string startQuestion = "Start Reflex Data Collection";
    std::string startKey = "y";
    std::string endTitle = "END RUN";
    std::string endKey = "Return";
    std::string recoverFile = "recover.dat";
    // The program runs inside a nested compositor, whose output is one window of this display:
    // its windows are not this display's, so the test window's and the menu's client areas are
    // given on the screen, and a question is answered with its key after a pause.
    std::optional<Point> nestedOrigin;
    std::optional<Point> nestedMenuOrigin;
    int storedLine = 1; // first line of set 1's stored times in it
    // A choice test: the area showing the trigger colour. The finger presses only on elements
    // of that colour, leaves the others to time out, and a series ends after `runs` presses.
    std::optional<Rect> triggerBox;
    int countsLine = 0; // set 1's correct hits, correct misses, incorrect hits,
                        // missed hits from this line on; 0 = not checked
    int runs = 10;
    int series = 12;
    int intervalMs = 1000;
    double delayMinMs = 150;
    double delayMaxMs = 450;
    int pollUs = 200;
    int releaseAfterMs = 40;
    int rtPriority = 50;
    std::vector<std::string> conditions{"idle", "busy"};
    double quietBelow = 0.1;
    int retries = 6;
    std::string results;
    std::string raw;
    std::optional<std::uint64_t> seed;
};

Options parseOptions(int argc, char** argv);

inline bool choiceTest(const Options& o)
{
    return o.triggerBox.has_value();
}

} // namespace timing
