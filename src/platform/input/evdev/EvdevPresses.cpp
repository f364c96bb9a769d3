#include "platform/input/evdev/EvdevPresses.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <linux/input.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace brevane {

bool EvdevPressReader::readAvailable(const Press& press)
{
    constexpr std::size_t kRecord = sizeof(input_event);
    char buffer[64 * kRecord];
    for (;;) {
        const std::size_t kept = partial_.size();
        if (kept)
            std::memcpy(buffer, partial_.data(), kept);
        const ssize_t n = read(fd_, buffer + kept, sizeof buffer - kept);
        if (n == 0)
            return false;
        if (n < 0)
            return errno == EAGAIN || errno == EINTR;
        const std::size_t have = kept + std::size_t(n);
        const std::size_t whole = have - have % kRecord;
        for (std::size_t at = 0; at < whole; at += kRecord) {
            input_event ev;
            std::memcpy(&ev, buffer + at, kRecord);
            if (ev.type == EV_KEY && ev.code >= BTN_LEFT && ev.code <= BTN_TASK && ev.value == 1)
                press(std::int64_t(ev.input_event_sec) * 1'000'000'000 + std::int64_t(ev.input_event_usec) * 1000,
                      ev.code);
        }
        partial_.assign(buffer + whole, buffer + have);
    }
}

EvdevPressThread::EvdevPressThread(std::string directory)
    : directory_(std::move(directory))
{
}

EvdevPressThread::~EvdevPressThread()
{
    thread_.stop();
    for (const EvdevPressReader& r : readers_)
        close(r.fd());
    if (watch_ >= 0)
        close(watch_);
}

std::string EvdevPressThread::devices() const
{
    const std::lock_guard lock(mutex_);
    std::string names;
    for (const EvdevPressReader& r : readers_)
        names += (names.empty() ? "" : ", ") + r.node() + " (" + r.name() + ")";
    return names;
}

namespace {
// A pointer: it has a left button. Keyboards are opened only to be asked this and closed.
bool hasLeftButton(int fd)
{
    constexpr std::size_t kBits = sizeof(unsigned long) * CHAR_BIT;
    unsigned long keys[KEY_MAX / kBits + 1] = {};
    return ioctl(fd, EVIOCGBIT(EV_KEY, sizeof keys), keys) >= 0 && (keys[BTN_LEFT / kBits] >> (BTN_LEFT % kBits)) & 1;
}
} // namespace

// Opens the pointers under the directory not read yet; a file that is not an event device (a
// pipe in tests) is read as one.
void EvdevPressThread::openDevices(int& denied)
{
    std::error_code error;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, error))
        if (entry.path().filename().string().rfind("event", 0) == 0)
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    const std::lock_guard lock(mutex_);
    for (const std::string& path : paths) {
        if (std::any_of(readers_.begin(), readers_.end(), [&path](const auto& r) { return r.node() == path; }))
            continue;
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            denied += errno == EACCES || errno == EPERM;
            continue;
        }
        // The kernel stamps on CLOCK_REALTIME unless told otherwise; the program's clock is
        // the monotonic one.
        int version = 0, clock = CLOCK_MONOTONIC;
        const bool device = ioctl(fd, EVIOCGVERSION, &version) == 0 || errno != ENOTTY;
        if (device && (!hasLeftButton(fd) || ioctl(fd, EVIOCSCLOCKID, &clock) != 0)) {
            close(fd);
            continue;
        }
        char name[128] = {};
        ioctl(fd, EVIOCGNAME(sizeof name - 1), name);
        readers_.emplace_back(fd, path, name);
    }
}

void EvdevPressThread::forget(const std::vector<int>& fds)
{
    const std::lock_guard lock(mutex_);
    std::erase_if(readers_, [&fds](const EvdevPressReader& r) {
        const bool gone = std::find(fds.begin(), fds.end(), r.fd()) != fds.end();
        if (gone)
            close(r.fd());
        return gone;
    });
}

bool EvdevPressThread::start(Sink sink, std::string& why)
{
    // Watched before the first look, so a device that appears in between is not missed.
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0 && inotify_add_watch(watch_, directory_.c_str(), IN_CREATE | IN_ATTRIB) < 0)
        close(watch_), watch_ = -1;
    int denied = 0;
    openDevices(denied);
    if (readers_.empty()) {
        why = denied ? "the user may not read the input devices under " + directory_
                     : "no mouse among the input devices under " + directory_;
        return false;
    }
    sink_ = std::move(sink);
    return thread_.start([this] { run(); }, why);
}

void EvdevPressThread::run()
{
    for (;;) {
        // The descriptors afresh after a device appeared: the wake pipe, the directory, the devices.
        std::vector<pollfd> fds{{thread_.wakeFd(), POLLIN, 0}, {watch_, POLLIN, 0}};
        std::vector<EvdevPressReader*> readers;
        {
            const std::lock_guard lock(mutex_);
            for (EvdevPressReader& r : readers_)
                if (r.fd() >= 0)
                    fds.push_back({r.fd(), POLLIN, 0}), readers.push_back(&r);
        }
        for (bool changed = false; !changed;) {
            if (poll(fds.data(), fds.size(), -1) < 0)
                continue;
            if (fds[0].revents)
                return;
            std::vector<int> gone;
            for (std::size_t i = 2; i < fds.size(); ++i) {
                EvdevPressReader& r = *readers[i - 2];
                const auto press = [this, &r](std::int64_t ns, unsigned code) {
                    sink_({r.node(), xButtonOfKernelCode(code), ns});
                };
                if (fds[i].revents && !r.readAvailable(press))
                    gone.push_back(r.fd()); // unplugged: its node may come back as another device
            }
            if (!gone.empty())
                forget(gone), changed = true;
            if (fds[1].revents) {
                char events[4096];
                while (read(watch_, events, sizeof events) > 0) { }
                int denied = 0;
                const std::size_t before = readers.size();
                openDevices(denied);
                const std::lock_guard lock(mutex_);
                changed = changed || readers_.size() != before;
            }
        }
    }
}

} // namespace brevane
