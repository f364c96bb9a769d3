#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <thread>

namespace timing {

XSession::XSession(const std::string& display, std::chrono::milliseconds connectTimeout)
{
    recordXErrors();
    const auto deadline = std::chrono::steady_clock::now() + connectTimeout;
    while (!(dpy_ = XOpenDisplay(display.c_str()))) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("cannot connect to the X server at " + display);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(dpy_, &event, &error, &major, &minor))
        throw std::runtime_error("the X server at " + display + " has no XTEST extension");
    if (!XShmQueryExtension(dpy_))
        throw std::runtime_error("the X server at " + display + " has no MIT-SHM extension");
    // The benchmark's clicks must not be taken for another client's grab.
    XTestGrabControl(dpy_, True);
    // The server's own time of each press (raw presses on the root window), to tell how much of
    // a press's way to the program the server took.
    int xiEvent = 0, xiError = 0;
    int xiMajor = 2, xiMinor = 0;
    if (XQueryExtension(dpy_, "XInputExtension", &xiOpcode_, &xiEvent, &xiError) &&
        XIQueryVersion(dpy_, &xiMajor, &xiMinor) == Success) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        XISelectEvents(dpy_, DefaultRootWindow(dpy_), &mask, 1);
    } else {
        xiOpcode_ = -1;
    }
    netWmName_ = XInternAtom(dpy_, "_NET_WM_NAME", False);
    utf8String_ = XInternAtom(dpy_, "UTF8_STRING", False);
}

XSession::~XSession()
{
    if (dpy_)
        XCloseDisplay(dpy_);
}

int XSession::screenWidth() const
{
    return DisplayWidth(dpy_, DefaultScreen(dpy_));
}

int XSession::screenHeight() const
{
    return DisplayHeight(dpy_, DefaultScreen(dpy_));
}

std::string XSession::titleOf(Window w)
{
    std::string title;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy_, w, netWmName_, 0, 1024, False, utf8String_, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        if (type == utf8String_ && format == 8)
            title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(dpy_, w, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// The viewable windows of that title among the root's children and, where a window manager runs
// (mutter in the compositor rig), the children of its frames.
std::vector<Window> XSession::findWindows(const std::string& title, Window under, bool inFrames)
{
    std::vector<Window> found;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy_, under ? under : DefaultRootWindow(dpy_), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attrs{};
        takeXError();
        if (!XGetWindowAttributes(dpy_, children[i], &attrs) || takeXError())
            continue;
        if (attrs.map_state != IsViewable)
            continue;
        if (titleOf(children[i]) == title)
            found.push_back(children[i]);
        else if (inFrames)
            for (Window w : findWindows(title, children[i], false))
                found.push_back(w);
    }
    if (children)
        XFree(children);
    return found;
}

std::vector<std::string> XSession::topLevelTitles()
{
    std::vector<std::string> titles;
    Window root = DefaultRootWindow(dpy_), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy_, root, &root, &parent, &children, &count))
        return titles;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attrs{};
        if (XGetWindowAttributes(dpy_, children[i], &attrs) && attrs.map_state == IsViewable) {
            const std::string t = titleOf(children[i]);
            titles.push_back(t.empty() ? std::string("(untitled)") : t);
        }
    }
    if (children)
        XFree(children);
    return titles;
}

Window XSession::waitForWindow(const std::string& title, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto windows = findWindows(title);
        if (windows.size() == 1)
            return windows.front();
        if (std::chrono::steady_clock::now() > deadline) {
            std::string shown;
            for (const auto& t : topLevelTitles())
                shown += (shown.empty() ? "\"" : ", \"") + t + "\"";
            throw std::runtime_error("no window titled \"" + title + "\" appeared within " +
                                     std::to_string(timeout.count()) + " ms (" + std::to_string(windows.size()) +
                                     " found; on screen: " + (shown.empty() ? "nothing" : shown) + ")");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void XSession::waitForWindowGone(const std::string& title, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!findWindows(title).empty()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the window \"" + title + "\" did not close within " +
                                     std::to_string(timeout.count()) + " ms");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Point XSession::clientOrigin(Window w)
{
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(dpy_, w, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
    return {x, y};
}

void XSession::movepointer(Point screen)
{
    XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), screen.x, screen.y, CurrentTime);
    XSync(dpy_, False);
}

void XSession::click(Point screen)
{
    movepointer(screen);
    // Let the toolkit see the pointer arrive before the button goes down.
    sleepForMs(30);
    XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
    XSync(dpy_, False);
    sleepForMs(30);
    XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
    XSync(dpy_, False);
}

void XSession::button(bool down)
{
    XTestFakeButtonEvent(dpy_, 1, down ? True : False, CurrentTime);
    XFlush(dpy_);
}

std::optional<std::uint32_t> XSession::lastPressServerMs()
{
    std::optional<std::uint32_t> ms;
    while (XPending(dpy_) > 0) {
        XEvent e;
        XNextEvent(dpy_, &e);
        XGenericEventCookie* cookie = &e.xcookie;
        if (cookie->type == GenericEvent && cookie->extension == xiOpcode_ && XGetEventData(dpy_, cookie)) {
            if (cookie->evtype == XI_RawButtonPress)
                ms = std::uint32_t(static_cast<const XIRawEvent*>(cookie->data)->time);
            XFreeEventData(dpy_, cookie);
        }
    }
    return ms;
}

void XSession::sync()
{
    XSync(dpy_, False);
}

void XSession::focus(Window w)
{
    Window current = 0;
    int revert = 0;
    XGetInputFocus(dpy_, &current, &revert);
    if (current == w)
        return; // the toolkit activated it itself; taking the focus again would disturb that
    // No window manager: the benchmark gives the focus itself, as a click would.
    XSetInputFocus(dpy_, w, RevertToParent, CurrentTime);
    XSync(dpy_, False);
}

void XSession::key(const std::string& keysymName)
{
    const KeySym sym = XStringToKeysym(keysymName.c_str());
    if (sym == NoSymbol)
        throw std::runtime_error("unknown key name \"" + keysymName + "\"");
    const KeyCode code = XKeysymToKeycode(dpy_, sym);
    if (!code)
        throw std::runtime_error("no key sends \"" + keysymName + "\" on this X server");
    XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
    XSync(dpy_, False);
    sleepForMs(20);
    XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
    XSync(dpy_, False);
}

} // namespace timing
