#pragma once
// The benchmark's own connection to the X server: finding windows by title, real input through
// XTest, and the software photodiode that reads screen pixels through MIT-SHM.

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace timing {

std::int64_t nowNs(); // CLOCK_MONOTONIC, the clock the program stamps with
void sleepUntilNs(std::int64_t deadline);
void sleepForMs(double ms);

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

class XSession {
public:
    explicit XSession(const std::string& display, std::chrono::milliseconds connectTimeout);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    Display* display() const { return dpy_; }
    int screenWidth() const;
    int screenHeight() const;

    // Viewable top-level windows whose title (_NET_WM_NAME, else WM_NAME) is exactly `title`.
    std::vector<Window> findWindows(const std::string& title, Window under = 0, bool inFrames = true);
    // Waits for exactly one such window; throws with `what` in the message on time-out.
    Window waitForWindow(const std::string& title, std::chrono::milliseconds timeout);
    void waitForWindowGone(const std::string& title, std::chrono::milliseconds timeout);
    // Screen position of the window's client area origin.
    Point clientOrigin(Window w);
    std::vector<std::string> topLevelTitles();

    void movepointer(Point screen);
    void click(Point screen);
    // Sends press or release and returns as soon as the request is written to the server.
    void button(bool down);
    void sync();
    // The X server's time (ms) of the latest button press it took, from the events read so far
    // (call after a sync); none if the server has no XInput 2.
    std::optional<std::uint32_t> lastPressServerMs();
    void focus(Window w);
    void key(const std::string& keysymName);

private:
    std::string titleOf(Window w);

    Display* dpy_ = nullptr;
    int xiOpcode_ = -1;
    Atom netWmName_ = 0;
    Atom utf8String_ = 0;
};

// One reading of the watched area: when the request left and when the reply was back. The
// server copied the pixels somewhere in between.
struct Grab {
    std::int64_t sentNs = 0;
    std::int64_t backNs = 0;
    std::int64_t midNs() const { return sentNs + (backNs - sentNs) / 2; }
};

class Photodiode {
public:
    Photodiode(XSession& x, Rect screenArea);
    ~Photodiode();
    Photodiode(const Photodiode&) = delete;
    Photodiode& operator=(const Photodiode&) = delete;

    Grab grab();
    // Takes the current picture as the resting one.
    void keepAsReference();
    // Share of pixels that differ clearly from the resting picture, counted only as far as
    // needed to tell whether it is above one half.
    bool mostlyChanged() const;
    std::uint32_t centrePixel() const; // 0xRRGGBB of the last grab
    const Rect& area() const { return area_; }

private:
    XSession& x_;
    Rect area_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
    bool attached_ = false;
    std::vector<std::uint32_t> reference_;
};

} // namespace timing
