#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <thread>

namespace timing {

namespace {

int g_lastXError = 0;

// Windows come and go while they are looked at (a message box closing between the listing and
// the query): such errors are expected and are read back where they matter, never fatal.
int recordXError(Display*, XErrorEvent* e)
{
    g_lastXError = e->error_code;
    return 0;
}

} // namespace

std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void sleepUntilNs(std::int64_t deadline)
{
    timespec ts{};
    ts.tv_sec = deadline / 1000000000;
    ts.tv_nsec = deadline % 1000000000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) { }
}

void sleepForMs(double ms)
{
    sleepUntilNs(nowNs() + std::int64_t(ms * 1e6));
}

XSession::XSession(const std::string& display, std::chrono::milliseconds connectTimeout)
{
    XSetErrorHandler(recordXError);
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
        g_lastXError = 0;
        if (!XGetWindowAttributes(dpy_, children[i], &attrs) || g_lastXError)
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
    g_lastXError = 0;
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

Photodiode::Photodiode(XSession& x, Rect screenArea)
    : x_(x)
    , area_(screenArea)
{
    Display* dpy = x_.display();
    const int screen = DefaultScreen(dpy);
    if (area_.w <= 0 || area_.h <= 0 || area_.x < 0 || area_.y < 0 || area_.x + area_.w > x_.screenWidth() ||
        area_.y + area_.h > x_.screenHeight())
        throw std::runtime_error("the watched area " + std::to_string(area_.w) + "x" + std::to_string(area_.h) + "+" +
                                 std::to_string(area_.x) + "+" + std::to_string(area_.y) + " is not inside the screen");
    image_ = XShmCreateImage(dpy, DefaultVisual(dpy, screen), DefaultDepth(dpy, screen), ZPixmap, nullptr, &shm_,
                             area_.w, area_.h);
    if (!image_)
        throw std::runtime_error("XShmCreateImage failed");
    if (image_->bits_per_pixel != 32)
        throw std::runtime_error("the screen uses " + std::to_string(image_->bits_per_pixel) +
                                 " bits per pixel; the photodiode reads 32 (start the server with depth 24)");
    shm_.shmid = shmget(IPC_PRIVATE, std::size_t(image_->bytes_per_line) * image_->height, IPC_CREAT | 0600);
    if (shm_.shmid < 0)
        throw std::runtime_error(std::string("shmget: ") + strerror(errno));
    shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    if (shm_.shmaddr == reinterpret_cast<char*>(-1)) {
        shmctl(shm_.shmid, IPC_RMID, nullptr);
        throw std::runtime_error(std::string("shmat: ") + strerror(errno));
    }
    shm_.readOnly = False;
    g_lastXError = 0;
    XShmAttach(dpy, &shm_);
    XSync(dpy, False);
    // Marked for removal now, so the segment goes away with the last user whatever happens.
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    if (g_lastXError)
        throw std::runtime_error("the X server could not attach the shared memory segment");
    attached_ = true;
}

Photodiode::~Photodiode()
{
    if (attached_) {
        XShmDetach(x_.display(), &shm_);
        XSync(x_.display(), False);
    }
    if (shm_.shmaddr && shm_.shmaddr != reinterpret_cast<char*>(-1))
        shmdt(shm_.shmaddr);
    if (image_) {
        image_->data = nullptr;
        XDestroyImage(image_);
    }
}

Grab Photodiode::grab()
{
    Grab g;
    g.sentNs = nowNs();
    XShmGetImage(x_.display(), DefaultRootWindow(x_.display()), image_, area_.x, area_.y, AllPlanes);
    g.backNs = nowNs();
    return g;
}

void Photodiode::keepAsReference()
{
    reference_.resize(std::size_t(area_.w) * area_.h);
    for (int y = 0; y < area_.h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(image_->data + std::size_t(y) * image_->bytes_per_line);
        for (int x = 0; x < area_.w; ++x)
            reference_[std::size_t(y) * area_.w + x] = row[x] & 0xFFFFFFu;
    }
}

bool Photodiode::mostlyChanged() const
{
    if (reference_.empty())
        throw std::logic_error("Photodiode: no resting picture taken");
    const std::size_t total = reference_.size();
    const std::size_t half = total / 2;
    std::size_t changed = 0, same = 0;
    // A step of a quarter of the range in any channel: the antialiased edges of text are
    // steadier than that, a colour change is much larger.
    constexpr int kStep = 64;
    for (int y = 0; y < area_.h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(image_->data + std::size_t(y) * image_->bytes_per_line);
        const std::uint32_t* ref = reference_.data() + std::size_t(y) * area_.w;
        for (int x = 0; x < area_.w; ++x) {
            const std::uint32_t a = row[x] & 0xFFFFFFu, b = ref[x];
            bool differs = false;
            if (a != b) {
                for (int shift = 0; shift < 24; shift += 8) {
                    const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
                    if (d > kStep || d < -kStep) {
                        differs = true;
                        break;
                    }
                }
            }
            if (differs) {
                if (++changed > half)
                    return true;
            } else if (++same >= total - half) {
                return false;
            }
        }
    }
    return false;
}

std::uint32_t Photodiode::centrePixel() const
{
    const int x = area_.w / 2, y = area_.h / 2;
    const unsigned long p =
        reinterpret_cast<const std::uint32_t*>(image_->data + std::size_t(y) * image_->bytes_per_line)[x];
    auto channel = [p](unsigned long mask) {
        if (!mask)
            return 0u;
        int shift = 0;
        while (!((mask >> shift) & 1))
            ++shift;
        return unsigned((p & mask) >> shift) & 0xFFu;
    };
    return (channel(image_->red_mask) << 16) | (channel(image_->green_mask) << 8) | channel(image_->blue_mask);
}

} // namespace timing
