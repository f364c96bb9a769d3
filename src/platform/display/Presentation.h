#pragma once
#include "platform/display/StampSource.h"

#include <cstdint>
#include <string>

namespace brevane {

// What the display said of the frame besides its time (the Wayland presentation feedback's kinds,
// same bits), and what the program did to get the stamp.
enum StampFlag : std::uint32_t {
    StampVsync = 0x1,              // the frame was shown at a refresh, without tearing
    StampHardwareClock = 0x2,      // its time comes from the display hardware's clock
    StampHardwareCompletion = 0x4, // the hardware said when it was shown
    StampZeroCopy = 0x8,           // the client's buffer was scanned out as it was
    StampFallback = 0x100,         // a display source failed for this stimulus; the stamp is the hand-over
};

// The trace's flags column: the set flags by name, separated by commas; "-" for none.
inline std::string stampFlagNames(std::uint32_t flags)
{
    static constexpr struct {
        std::uint32_t bit;
        const char* name;
    } kNames[] = {{StampVsync, "vsync"},
                  {StampHardwareClock, "hw-clock"},
                  {StampHardwareCompletion, "hw-completion"},
                  {StampZeroCopy, "zero-copy"},
                  {StampFallback, "fallback"}};
    std::string names;
    for (const auto& n : kNames)
        if (flags & n.bit) {
            if (!names.empty())
                names += ',';
            names += n.name;
        }
    return names.empty() ? "-" : names;
}

// What the benchmark's trace records about a stimulus stamp besides the stamp itself.
struct StampTrace {
    std::int64_t uncertaintyNs = -1; // half the window the stamp lies in; -1: not known
    StampSource source = StampSource::Clock;
    std::uint64_t msc = 0;       // the display's frame counter at the frame (display sources only)
    std::int64_t handOverNs = 0; // the hand-over stamp, the one that would be used without a display source
    bool exact = false;          // the pixel's time as the display or the compositor reports it
    std::int64_t scanOutNs = 0;  // included in the stamp: the scan-out's start to the panel's top line
    std::uint32_t flags = 0;     // StampFlag
};

inline const char* stampExactnessName(bool exact)
{
    return exact ? "exact" : "estimated";
}

// When a stimulus reached the screen, as far as the program can tell.
//
// Without a display source the toolkit writes the new pixels to the X server at the end of a
// synchronous repaint; `handedNs` is taken right after. A round trip follows, whose reply
// (`confirmedNs`) proves the server has drawn them. The server draws as the pixels arrive,
// usually before the program is even back from the write, so when the reply comes promptly the
// hand-over is the stamp. A slow reply means the server was held up and drew at some moment
// before it answered: then the middle of the round trip is the stamp, off by at most half of it
// (the uncertainty).
//
// With a display source (`presentedBy`) the pixels go to the server as a pixmap that it copies to
// the window at the display's next refresh; `handedNs`/`confirmedNs` are then the request's
// hand-over and reply, and `presentedNs` is the time the source gives for the frame: the
// hand-over would be early by the wait for the refresh, up to a whole frame. A monitor draws its
// lines from the top during the refresh, so the stamp adds `scanOutNs`, the time from the start of
// the scan-out to the stimulus's top line. `exact` says whether `presentedNs` is the pixel's time
// as the display or the compositor reports it, or only an estimate (a compositor shows the window
// at a frame of its own, which nothing reported).
struct Presentation {
    static constexpr std::int64_t kPromptReplyNs = 300'000;

    std::int64_t handedNs = 0;
    std::int64_t confirmedNs = 0; // 0: no round trip (another platform)
    std::int64_t presentedNs = 0; // 0: no display source gave a time
    std::uint64_t msc = 0;        // the frame counter of the refresh at presentedNs
    StampSource presentedBy = StampSource::Present;
    bool exact = false;
    std::int64_t scanOutNs = 0;
    std::uint32_t flags = 0; // StampFlag

    bool known() const { return confirmedNs != 0 || presentedNs != 0; }
    StampSource source() const
    {
        return presentedNs != 0 ? presentedBy : confirmedNs != 0 ? StampSource::HandOver : StampSource::Clock;
    }
    std::int64_t handOverStampNs() const
    {
        return confirmedNs - handedNs <= kPromptReplyNs ? handedNs : handedNs + (confirmedNs - handedNs) / 2;
    }
    std::int64_t stampNs() const { return presentedNs != 0 ? presentedNs + scanOutNs : handOverStampNs(); }
    bool isExact() const { return presentedNs != 0 && exact; }
    // The round trip says nothing of a display source's stamp: that one is the display's.
    std::int64_t uncertaintyNs() const { return presentedNs != 0 ? -1 : (confirmedNs - handedNs) / 2; }
    StampTrace trace() const
    {
        return {uncertaintyNs(),
                source(),
                msc,
                confirmedNs != 0 ? handOverStampNs() : 0,
                isExact(),
                presentedNs != 0 ? scanOutNs : 0,
                flags};
    }
};

} // namespace brevane
