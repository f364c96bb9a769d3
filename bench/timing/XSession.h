#pragma once
// The benchmark's own connection to the X server: finding windows by title and real input
// through XTest. The photodiode reads the screen on the same connection (photodiode/).

#include "lib/Clock.h"
#include "photodiode/Photodiode.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace timing {

struct Point {
    int x = 0;
    int y = 0;
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

} // namespace timing
