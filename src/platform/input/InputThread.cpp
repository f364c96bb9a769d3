#include "platform/input/InputThread.h"

#include <algorithm>
#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace brevane {

void raiseInputThreadPriority()
{
    sched_param sp{};
    sp.sched_priority = std::min(10, sched_get_priority_max(SCHED_FIFO));
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &sp) != 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), -10); // refused too: normal priority
}

bool InputThread::start(std::function<void()> body, std::string& why)
{
    if (pipe2(wake_, O_CLOEXEC) != 0) {
        why = "no pipe to stop the thread with";
        return false;
    }
    thread_ = std::thread([body = std::move(body)] {
        raiseInputThreadPriority();
        body();
    });
    return true;
}

void InputThread::stop()
{
    if (thread_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t n = write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (int& fd : wake_)
        if (fd >= 0)
            close(fd), fd = -1;
}

} // namespace brevane
