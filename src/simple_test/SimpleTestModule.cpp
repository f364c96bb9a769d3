#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"

namespace reflex {

SimpleTestModule::SimpleTestModule(ModuleContext context)
    : context_(context)
{
}

SimpleTestModule::~SimpleTestModule() = default;

void SimpleTestModule::preload()
{
    Shell& shell = context_.shell;
    window_ = std::make_unique<frmReflex>(context_.state, context_.platform,
                                          [&shell] { shell.writeRecoveryFile(); });
    SimpleEngine& engine = window_->engine();
    if (ResponseTrace* trace = shell.responseTrace())
        engine.onResponseMeasured = [trace, &engine](std::int64_t s, std::int64_t p) {
            trace->record(s, p, engine.stimulusUncertaintyNs());
        };

    QObject::connect(window_.get(), &frmReflex::doneRequested, window_.get(),
                     [this] { context_.shell.leave(openedBy_); });
    QObject::connect(window_.get(), &frmReflex::optionsRequested, window_.get(), [this, &engine] {
        context_.shell.open({Destination::Settings, window_.get(), [&engine] { engine.optionsClosed(); }, 0});
    });
    QObject::connect(window_.get(), &frmReflex::displayRequested, window_.get(), [this, &engine] {
        context_.shell.open({Destination::SimpleResults, window_.get(), [&engine] { engine.resultsClosed(); }});
    });
}

void SimpleTestModule::open(const OpenRequest& request)
{
    openedBy_ = request;
    window_->setOptionsAvailable(context_.shell.offers(Destination::Settings));
    window_->setDisplayAvailable(context_.shell.offers(Destination::SimpleResults));
    window_->engine().initialise();
    context_.shell.show(window_.get());
}

} // namespace reflex
