#include "photodiode/Photodiode.h"

#include "lib/Clock.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace timing {

namespace {

int g_lastXError = 0;

int keepXError(Display*, XErrorEvent* e)
{
    g_lastXError = e->error_code;
    return 0;
}

} // namespace

void recordXErrors()
{
    XSetErrorHandler(keepXError);
}

int takeXError()
{
    const int e = g_lastXError;
    g_lastXError = 0;
    return e;
}

Photodiode::Photodiode(Display* display, Rect screenArea)
    : dpy_(display)
    , area_(screenArea)
{
    recordXErrors();
    const int screen = DefaultScreen(dpy_);
    if (area_.w <= 0 || area_.h <= 0 || area_.x < 0 || area_.y < 0 || area_.x + area_.w > DisplayWidth(dpy_, screen) ||
        area_.y + area_.h > DisplayHeight(dpy_, screen))
        throw std::runtime_error("the watched area " + std::to_string(area_.w) + "x" + std::to_string(area_.h) + "+" +
                                 std::to_string(area_.x) + "+" + std::to_string(area_.y) + " is not inside the screen");
    image_ = XShmCreateImage(dpy_, DefaultVisual(dpy_, screen), DefaultDepth(dpy_, screen), ZPixmap, nullptr, &shm_,
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
    takeXError();
    XShmAttach(dpy_, &shm_);
    XSync(dpy_, False);
    // Marked for removal now, so the segment goes away with the last user whatever happens.
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    if (takeXError())
        throw std::runtime_error("the X server could not attach the shared memory segment");
    attached_ = true;
}

Photodiode::~Photodiode()
{
    if (attached_) {
        XShmDetach(dpy_, &shm_);
        XSync(dpy_, False);
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
    XShmGetImage(dpy_, DefaultRootWindow(dpy_), image_, area_.x, area_.y, AllPlanes);
    g.backNs = nowNs();
    return g;
}

Picture Photodiode::picture() const
{
    return {reinterpret_cast<const unsigned char*>(image_->data),
            area_.w,
            area_.h,
            std::size_t(image_->bytes_per_line),
            std::uint32_t(image_->red_mask),
            std::uint32_t(image_->green_mask),
            std::uint32_t(image_->blue_mask)};
}

void Photodiode::keepAsReference()
{
    reference_ = restingPicture(picture());
}

bool Photodiode::mostlyChanged() const
{
    return timing::mostlyChanged(picture(), reference_);
}

std::uint32_t Photodiode::centrePixel() const
{
    return centreColour(picture());
}

std::size_t Photodiode::pixelsOfColour(std::uint32_t rgb) const
{
    return timing::pixelsOfColour(picture(), rgb);
}

} // namespace timing
