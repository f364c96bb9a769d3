#include "config/SettingsModule.h"
#include "config/frmCfg.h"

namespace brevane {

SettingsModule::SettingsModule(ModuleContext context)
    : context_(context)
{
}

SettingsModule::~SettingsModule() = default;

void SettingsModule::preload()
{
    if (window_)
        return;
    // Made before the configuration is read; every opener fills it again.
    window_ = std::make_unique<frmCfg>(context_.state, context_.platform, context_.platform.mixer);
    QObject::connect(window_.get(), &frmCfg::closed, window_.get(), [this] { context_.shell.leave(openedBy_); });
}

void SettingsModule::open(const OpenRequest& request)
{
    preload();
    openedBy_ = request;
    window_->openOn(request.page);
    context_.shell.show(window_.get());
}

} // namespace brevane
