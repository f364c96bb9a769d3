#include "platform/EvdevPresses.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <linux/input.h>
#include <poll.h>
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
                press(std::int64_t(ev.input_event_sec) * 1'000'000'000 + std::int64_t(ev.input_event_usec) * 1000);
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

void EvdevPressThread::openDevices(int& denied)
{
    std::error_code error;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, error))
        if (entry.path().filename().string().rfind("event", 0) == 0)
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            denied += errno == EACCES || errno == EPERM;
            continue;
        }
        // The kernel stamps on CLOCK_REALTIME unless told otherwise; the program's clock is
        // the monotonic one.
        int clock = CLOCK_MONOTONIC;
        if (!hasLeftButton(fd) || ioctl(fd, EVIOCSCLOCKID, &clock) != 0) {
            close(fd);
            continue;
        }
        char name[128] = {};
        ioctl(fd, EVIOCGNAME(sizeof name - 1), name);
        names_ += (names_.empty() ? "" : ", ") + path + " (" + name + ")";
        readers_.emplace_back(fd);
    }
}

bool EvdevPressThread::start(Sink sink, std::string& why)
{
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
    std::vector<pollfd> fds{{thread_.wakeFd(), POLLIN, 0}};
    for (const EvdevPressReader& r : readers_)
        fds.push_back({r.fd(), POLLIN, 0});
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents)
            return;
        for (std::size_t i = 1; i < fds.size(); ++i)
            if (fds[i].revents && !readers_[i - 1].readAvailable(sink_))
                fds[i].fd = -1; // unplugged: poll passes over it from now on
    }
}

} // namespace brevane
