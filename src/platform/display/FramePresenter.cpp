#include "platform/display/FramePresenter.h"
#include "platform/display/wayland/WaylandPresenter.h"
#include "platform/display/x11/XPresenter.h"

namespace brevane {

FramePresenter::FramePresenter(const Clock& clock)
    : wayland_(std::make_unique<WaylandPresenter>(clock))
    , x_(std::make_unique<XPresenter>(clock))
{
}

FramePresenter::~FramePresenter() = default;

Presentation FramePresenter::present(QWidget* area)
{
    onWayland_ = wayland_->available();
    return onWayland_ ? wayland_->present(area) : x_->present(area);
}

std::string FramePresenter::fallbackReason() const
{
    return onWayland_ ? wayland_->fallbackReason() : x_->fallbackReason();
}

} // namespace brevane
