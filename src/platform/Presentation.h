#pragma once
#include <cstdint>

namespace reflex {

// When a stimulus reached the screen, as far as the program can tell. The toolkit writes the
// new pixels to the X server at the end of a synchronous repaint; `handedNs` is taken right
// after. A round trip follows, whose reply (`confirmedNs`) proves the server has drawn them.
// The server draws as the pixels arrive, usually before the program is even back from the
// write, so when the reply comes promptly the hand-over is the stamp. A slow reply means the
// server was held up and drew at some moment before it answered: then the middle of the round
// trip is the stamp, off by at most half of it (the uncertainty).
struct Presentation {
    static constexpr std::int64_t kPromptReplyNs = 300'000;

    std::int64_t handedNs = 0;
    std::int64_t confirmedNs = 0; // 0: no round trip (another platform)

    bool known() const { return confirmedNs != 0; }
    std::int64_t stampNs() const
    {
        return confirmedNs - handedNs <= kPromptReplyNs ? handedNs : handedNs + uncertaintyNs();
    }
    std::int64_t uncertaintyNs() const { return (confirmedNs - handedNs) / 2; }
};

} // namespace reflex
