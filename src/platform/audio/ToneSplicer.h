#pragma once
// The tone spliced into a stream that a sound server keeps running on silence. The GUI thread asks
// for the tone (request); the server's thread fills each buffer (fill) knowing when its first frame
// will be heard, places the tone's first sample on the frame nearest the time asked for (or the
// first frame, asked for none or too late) and stamps it there; startedTone waits for that.

#include "platform/audio/ToneStamp.h"
#include "platform/services/Clock.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace brevane {

class ToneSplicer {
public:
    // `clock` dates the fills, on the clock the stamps are on.
    ToneSplicer(unsigned rate, const Clock& clock);
    unsigned rate() const { return rate_; }

    // Any thread: the tone's first sample at `atNs` (0: the first frame filled next). A tone
    // still playing is cut off.
    void request(std::int64_t atNs);
    // The server's thread: `frames` frames into `out`, the first heard at `firstNs` (0: unknown;
    // the tone then starts on it, unstamped). The frame the tone asked for starts on in this
    // buffer, or -1 (none asked for, or later).
    std::ptrdiff_t fill(std::int16_t* out, std::size_t frames, std::int64_t firstNs);
    // How long before its first sample a tone must be asked for to be placed where asked: the most,
    // over the last buffers, from one fill to the first frame of the next being heard (a request
    // waits for the next fill, which is heard that far ahead). 0 until two fills have told.
    std::int64_t leadNs() const;
    // The stamp of the tone last requested, by `source`, once placed; an unknown stamp when it
    // was placed without a time, or not within `timeout`.
    ToneStamp placed(ToneSource source, std::chrono::milliseconds timeout);
    // Whether a tone is asked for or still playing.
    bool busy() const;

private:
    const unsigned rate_;
    const Clock& clock_;
    const std::vector<std::int16_t> tone_;
    mutable std::mutex mutex_;
    std::condition_variable placedChanged_;
    std::uint64_t requested_ = 0, placedSerial_ = 0; // serials of the tone asked for, and placed
    std::int64_t atNs_ = 0, placedNs_ = 0;
    std::size_t position_ = 0; // the next frame of the tone to play; tone_.size(): none
    std::int64_t lastFillNs_ = 0;
    std::array<std::int64_t, 32> leads_{};
    std::size_t leadCount_ = 0;
};

} // namespace brevane
