#pragma once
// The settings dialog as a module of the shell. Every opener names the page to open on; the
// dialog is filled from Config each time and, when it is left with OK or Cancel, the opener
// is shown again after its onReturn has re-read what it needs.

#include "shared/Shell.h"

#include <memory>

namespace brevane {

class frmCfg;

class SettingsModule final : public Module {
public:
    explicit SettingsModule(ModuleContext context);
    ~SettingsModule() override;

    QList<Destination> destinations() const override { return {Destination::Settings}; }
    StartupSlot startupSlot() const override { return StartupSlot::SettingsDialog; }
    void preload() override;
    void open(const OpenRequest& request) override;

    frmCfg* window() const { return window_.get(); }

private:
    ModuleContext context_;
    OpenRequest openedBy_{Destination::Settings};
    std::unique_ptr<frmCfg> window_;
};

} // namespace brevane
