#pragma once
#include "platform/services/Clock.h"

#include <algorithm>
#include <cstdint>

namespace brevane {

// When to present through the display again after it failed. A failure that lasts (no Present
// on this server, a pixel format it cannot take) is not tried again; one that may pass (a frame
// not completed in time, skipped or refused) is, after a pause that doubles with every failure in
// a row, from a second up to a minute, so a server held up once does not cost the session its
// frame times, and one that keeps failing costs at most a stimulus a minute.
class PresentRetry {
public:
    static constexpr std::int64_t kFirstPauseNs = 1'000'000'000, kLongestPauseNs = 60'000'000'000;

    explicit PresentRetry(const Clock& clock)
        : clock_(clock)
    {
    }
    bool mayTry() const { return !lasting_ && clock_.nowNs() >= retryAtNs_; }
    bool gaveUp() const { return lasting_; }
    void failed(bool lasting)
    {
        lasting_ = lasting_ || lasting;
        pauseNs_ = pauseNs_ == 0 ? kFirstPauseNs : std::min(pauseNs_ * 2, kLongestPauseNs);
        retryAtNs_ = clock_.nowNs() + pauseNs_;
    }
    void succeeded() { pauseNs_ = retryAtNs_ = 0; }

private:
    const Clock& clock_;
    std::int64_t pauseNs_ = 0, retryAtNs_ = 0;
    bool lasting_ = false;
};

} // namespace brevane
