#pragma once
#include <cstdint>

namespace brevane {

// Where a stimulus stamp comes from, from the best to the least: the display's own time of the
// frame that showed it (X Present), the hand-over of its pixels to the X server, or the clock
// read after presenting (another platform, or a tone).
enum class StampSource { Clock, HandOver, Present };

inline const char* stampSourceName(StampSource source)
{
    switch (source) {
    case StampSource::Present:
        return "present";
    case StampSource::HandOver:
        return "handover";
    case StampSource::Clock:
        break;
    }
    return "clock";
}

// What the benchmark's trace records about a stimulus stamp besides the stamp itself.
struct StampTrace {
    std::int64_t uncertaintyNs = -1; // half the window the stamp lies in; -1: not known
    StampSource source = StampSource::Clock;
    std::uint64_t msc = 0;       // the display's frame counter at the frame (Present only)
    std::int64_t handOverNs = 0; // the hand-over stamp, the one that would be used without Present
};

// When a stimulus reached the screen, as far as the program can tell.
//
// Without the Present extension the toolkit writes the new pixels to the X server at the end of
// a synchronous repaint; `handedNs` is taken right after. A round trip follows, whose reply
// (`confirmedNs`) proves the server has drawn them. The server draws as the pixels arrive,
// usually before the program is even back from the write, so when the reply comes promptly the
// hand-over is the stamp. A slow reply means the server was held up and drew at some moment
// before it answered: then the middle of the round trip is the stamp, off by at most half of it
// (the uncertainty).
//
// With Present the pixels go to the server as a pixmap that it copies to the window at the
// display's next refresh; `handedNs`/`confirmedNs` are then the request's hand-over and reply,
// and `presentedNs` is the server's own time of that refresh (its UST), which is the stamp: the
// hand-over would be early by the wait for the refresh, up to a whole frame.
struct Presentation {
    static constexpr std::int64_t kPromptReplyNs = 300'000;

    std::int64_t handedNs = 0;
    std::int64_t confirmedNs = 0; // 0: no round trip (another platform)
    std::int64_t presentedNs = 0; // 0: not presented through Present
    std::uint64_t msc = 0;        // the frame counter of the refresh at presentedNs

    bool known() const { return confirmedNs != 0; }
    StampSource source() const
    {
        return presentedNs != 0 ? StampSource::Present : known() ? StampSource::HandOver : StampSource::Clock;
    }
    std::int64_t handOverStampNs() const
    {
        return confirmedNs - handedNs <= kPromptReplyNs ? handedNs : handedNs + (confirmedNs - handedNs) / 2;
    }
    std::int64_t stampNs() const { return presentedNs != 0 ? presentedNs : handOverStampNs(); }
    // The round trip says nothing of a Present stamp: that one is the server's.
    std::int64_t uncertaintyNs() const { return presentedNs != 0 ? -1 : (confirmedNs - handedNs) / 2; }
    StampTrace trace() const { return {uncertaintyNs(), source(), msc, known() ? handOverStampNs() : 0}; }
};

} // namespace brevane
