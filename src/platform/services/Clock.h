#pragma once
#include <cstdint>

namespace brevane {

// Stamps are nanoseconds on a monotonic clock, so nothing is rounded before a time is stored.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowNs() const = 0;
    // Returns at `deadlineNs` or soon after; used for the last stretch before a stimulus,
    // where a timer's millisecond grain and wake-up time would show in the interval.
    virtual void waitUntil(std::int64_t deadlineNs) = 0;
};

// CLOCK_MONOTONIC: the clock the kernel stamps input with and other processes can read too.
class MonotonicClock final : public Clock {
public:
    std::int64_t nowNs() const override;
    void waitUntil(std::int64_t deadlineNs) override;
};

} // namespace brevane
