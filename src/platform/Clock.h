#pragma once
#include <cstdint>

namespace reflex {

// Stamps are nanoseconds on a monotonic clock, so nothing is rounded before a time is stored.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowNs() const = 0;
    // Returns at `deadlineNs` or soon after; used for the last stretch before a stimulus,
    // where a timer's millisecond grain and wake-up time would show in the interval.
    virtual void waitUntil(std::int64_t deadlineNs) = 0;

    // The 32-bit millisecond counter the program's time base was designed around; it wraps
    // modulo 2^32, and differences taken with elapsedMs() stay right across the wrap.
    std::uint32_t timeGetTime() const
    {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(nowNs()) / 1000000u);
    }
    static std::uint32_t elapsedMs(std::uint32_t from, std::uint32_t to) { return to - from; }
};

// CLOCK_MONOTONIC: the clock the kernel stamps input with and other processes can read too.
class MonotonicClock final : public Clock {
public:
    std::int64_t nowNs() const override;
    void waitUntil(std::int64_t deadlineNs) override;
};

} // namespace reflex
