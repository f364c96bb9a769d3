#pragma once
#include "platform/InputThread.h"
#include "platform/PressStampMatcher.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct input_event;

namespace brevane {

// The kernel's input events (`struct input_event` records) from one event device, or from
// anything that delivers such records (a pipe in tests). Every mouse-button press (EV_KEY,
// BTN_LEFT..BTN_TASK, value 1) is handed over with the kernel's stamp of it, on whatever clock
// the device was set to (EVIOCSCLOCKID).
class EvdevPressReader {
public:
    using Press = std::function<void(std::int64_t kernelNs)>;
    explicit EvdevPressReader(int fd)
        : fd_(fd)
    {
    }
    int fd() const { return fd_; }
    // Reads what there is without blocking (the descriptor is non-blocking), a record cut in
    // two by the read included. False once the device is gone (end of file, or an error other
    // than having nothing to read).
    bool readAvailable(const Press& press);

private:
    int fd_;
    std::vector<char> partial_; // the start of a record the last read cut off
};

// A thread (of the input threads' priority) reading the button presses of every pointer device
// the user may read under `directory` (/dev/input/event*: BTN_LEFT among its keys) with the
// kernel's stamps on CLOCK_MONOTONIC. The devices are found when it starts; without a readable
// one it does not start, and says why (the user lacks the access a udev rule or the `input`
// group gives). Stops and closes the devices when destroyed.
class EvdevPressThread final : public KernelPressSource {
public:
    explicit EvdevPressThread(std::string directory = "/dev/input");
    ~EvdevPressThread() override;
    EvdevPressThread(const EvdevPressThread&) = delete;
    EvdevPressThread& operator=(const EvdevPressThread&) = delete;
    bool start(Sink sink, std::string& why) override;
    // The devices read, "/dev/input/event5 (Logitech USB Optical Mouse)", comma-separated.
    const std::string& devices() const { return names_; }

private:
    void openDevices(int& denied);
    void run();

    std::string directory_;
    std::vector<EvdevPressReader> readers_;
    std::string names_;
    Sink sink_;
    InputThread thread_; // stopped first, in the destructor
};

} // namespace brevane
