#pragma once
// The platform layer, by concern: services/ (clock, timers, prompts, files, pointer, random
// source, hand-in, program facts), audio/, display/, input/ and print/, each with its interfaces
// at its root and its backends in folders of their own. Every service the program takes from the
// window system, the clock or the devices is an interface here; logic classes and windows
// receive them in this bundle. The real implementations are wired in main() (each concern's one
// chooser: makeBeeper, FramePresenter, DevicePressStamper), the fakes in tests/fakes let a test
// answer every question and fire every timer at once.
//
//   Clock        monotonic stamps (ns) and the 32-bit millisecond counter
//   Timer        window timers (Interval, Enabled), always Qt::PreciseTimer in the real one
//   Prompt       modal message boxes; returns the button pressed
//   FileChooser  open/save dialogs; std::nullopt is the cancel outcome
//   Beeper       the one sound of the program (tone on the sound device, bell otherwise)
//   Presenter    a stimulus frame put on the screen, stamped with when it got there
//   PressStamper the best stamp of each press, from the input threads of the window in front
//   Pointer      mouse-pointer placement and the busy shape
//   RandomSource the generator of intervals and elements
//   Mixer        the sound system's master volume
//   Printing     the printer or a PDF file, and the print selection dialog
//   HandIn       a copy of each saved result for the class's hand-in folder, made off the caller's thread
//   ScreenMetrics, ProgramVersion, commandLineString: facts read once at start-up

#include "platform/audio/Beeper.h"
#include "platform/audio/Mixer.h"
#include "platform/display/Presenter.h"
#include "platform/input/PressStamp.h"
#include "platform/print/Printer.h"
#include "platform/services/Clock.h"
#include "platform/services/FileChooser.h"
#include "platform/services/HandIn.h"
#include "platform/services/Pointer.h"
#include "platform/services/ProgramInfo.h"
#include "platform/services/Prompt.h"
#include "platform/services/Random.h"
#include "platform/services/Screen.h"
#include "platform/services/Timer.h"

namespace brevane {

// The services handed to every window; the objects outlive the windows.
struct Platform {
    Clock& clock;
    TimerFactory& timers;
    Prompt& prompt;
    FileChooser& files;
    Beeper& beeper;
    Presenter& presenter;
    PressStamper& presses;
    Pointer& pointer;
    RandomSource& random;
    Mixer& mixer;
    Printing& printing;
    HandIn& handIn;
    ProgramVersion version;
};

} // namespace brevane
