#pragma once
#include <functional>
#include <string>
#include <thread>

namespace brevane {

// The priority the input threads ask for: SCHED_FIFO where granted, else a lower nice value,
// else the normal one. Called on the thread itself.
void raiseInputThreadPriority();

// The thread an input source reads on. `body` runs at the input threads' priority and waits in
// poll() on its own descriptors and on wakeFd(); it returns once wakeFd() is readable, which
// stop() (and the destructor) make it, and then joins it. An owner whose body reads members
// stops the thread before those members go.
class InputThread {
public:
    InputThread() = default;
    InputThread(const InputThread&) = delete;
    InputThread& operator=(const InputThread&) = delete;
    ~InputThread() { stop(); }

    bool start(std::function<void()> body, std::string& why);
    void stop();
    int wakeFd() const { return wake_[0]; }

private:
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

} // namespace brevane
