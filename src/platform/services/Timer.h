#pragma once
#include <functional>
#include <memory>

class QObject;

namespace brevane {

// A window timer: fires onTimer every interval() ms while enabled, first interval() ms after
// it was enabled. Interval 0 never fires. Changing the interval of an enabled timer restarts it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;

    std::function<void()> onTimer;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

} // namespace brevane
