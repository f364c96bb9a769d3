#pragma once
#include "platform/input/InputThread.h"
#include "platform/input/PressStampMatcher.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct input_event;

namespace brevane {

// The kernel's input events (`struct input_event` records) from one event device, or from
// anything that delivers such records (a pipe in tests). Every mouse-button press (EV_KEY,
// BTN_LEFT..BTN_TASK, value 1) is handed over with its key code and the kernel's stamp of it, on
// whatever clock the device was set to (EVIOCSCLOCKID).
class EvdevPressReader {
public:
    using Press = std::function<void(std::int64_t kernelNs, unsigned code)>;
    explicit EvdevPressReader(int fd, std::string node = {}, std::string name = {})
        : fd_(fd)
        , node_(std::move(node))
        , name_(std::move(name))
    {
    }
    int fd() const { return fd_; }
    const std::string& node() const { return node_; }
    const std::string& name() const { return name_; } // the device's own
    // Reads what there is without blocking (the descriptor is non-blocking), a record cut in
    // two by the read included. False once the device is gone (end of file, or an error other
    // than having nothing to read).
    bool readAvailable(const Press& press);

private:
    int fd_;
    std::string node_, name_;
    std::vector<char> partial_; // the start of a record the last read cut off
};

// A thread (of the input threads' priority) reading the button presses of every pointer device
// the user may read under `directory` (/dev/input/event*: BTN_LEFT among its keys) with the
// kernel's stamps on CLOCK_MONOTONIC, each with its device node and button. The devices are
// found when it starts, and a device that appears while it runs (a mouse plugged in; inotify on
// the directory) is read from then on. Without a readable device at the start it does not
// start, and says why (the user lacks the access a udev rule or the `input` group gives). Stops
// and closes the devices when destroyed.
class EvdevPressThread final : public KernelPressSource {
public:
    explicit EvdevPressThread(std::string directory = "/dev/input");
    ~EvdevPressThread() override;
    EvdevPressThread(const EvdevPressThread&) = delete;
    EvdevPressThread& operator=(const EvdevPressThread&) = delete;
    bool start(Sink sink, std::string& why) override;
    // The devices read, "/dev/input/event5 (Logitech USB Optical Mouse)", comma-separated.
    std::string devices() const;

private:
    void openDevices(int& denied);
    void forget(const std::vector<int>& fds); // closes the devices gone
    void run();

    std::string directory_;
    int watch_ = -1;           // inotify on the directory
    mutable std::mutex mutex_; // the readers, opened by the thread as devices appear
    std::vector<EvdevPressReader> readers_;
    Sink sink_;
    InputThread thread_; // stopped first, in the destructor
};

} // namespace brevane
