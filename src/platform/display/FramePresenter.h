#pragma once
#include "platform/display/Presenter.h"
#include "platform/services/Clock.h"

#include <memory>

namespace brevane {

class WaylandPresenter;
class XPresenter;

// The presenter the session's windows share. Where Qt runs on Wayland and the compositor offers
// presentation feedback, frames go through WaylandPresenter; everywhere else through XPresenter,
// which presents through X Present where it can and repaints otherwise. Whether Wayland serves is
// found at the first frame, once the toolkit's window system is up.
class FramePresenter final : public Presenter {
public:
    explicit FramePresenter(const Clock& clock);
    ~FramePresenter() override;
    FramePresenter(const FramePresenter&) = delete;
    FramePresenter& operator=(const FramePresenter&) = delete;

    Presentation present(QWidget* area) override;
    std::string fallbackReason() const override;

private:
    std::unique_ptr<WaylandPresenter> wayland_;
    std::unique_ptr<XPresenter> x_;
    bool onWayland_ = false; // the last frame went through wayland_
};

} // namespace brevane
