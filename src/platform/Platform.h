#pragma once
// The platform layer: every service the program takes from the window system, the clock or
// the sound device is an interface here. Logic classes receive these through their
// constructors; the real implementations (Qt*, Alsa*, Monotonic*) are wired in main(), the
// fakes in tests/fakes let a test answer every question and fire every timer at once.
//
//   Clock        monotonic stamps (ns) and the 32-bit millisecond counter
//   Timer        window timers (Interval, Enabled), always Qt::PreciseTimer in the real one
//   Prompt       modal message boxes; returns the button pressed
//   FileChooser  open/save dialogs; std::nullopt is the cancel outcome
//   Beeper       the one sound of the program (tone on the sound device, bell otherwise)
//   Pointer      mouse-pointer placement and the busy shape
//   RandomSource the generator of intervals and elements
//   Mixer        the sound system's master volume
//   Printing     the printer or a PDF file, and the print selection dialog
//   HandIn       a copy of each saved result for the class's hand-in folder, made off the caller's thread
//   ScreenMetrics, ProgramVersion, commandLineString: facts read once at start-up

#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/HandIn.h"
#include "platform/Mixer.h"
#include "platform/Pointer.h"
#include "platform/Printer.h"
#include "platform/ProgramInfo.h"
#include "platform/Prompt.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "platform/Timer.h"

namespace brevane {

// The services handed to every window; the objects outlive the windows.
struct Platform {
    Clock& clock;
    TimerFactory& timers;
    Prompt& prompt;
    FileChooser& files;
    Beeper& beeper;
    Pointer& pointer;
    RandomSource& random;
    Mixer& mixer;
    Printing& printing;
    HandIn& handIn;
    ProgramVersion version;
};

} // namespace brevane
