#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"

namespace reflex {

namespace {

bool isColour(ChoiceTest test)
{
    return test == ChoiceTest::Color;
}

} // namespace

ChoiceTestModule::ChoiceTestModule(ModuleContext context, ChoiceTest test)
    : context_(context)
    , test_(test)
{
}

ChoiceTestModule::~ChoiceTestModule() = default;

QList<Destination> ChoiceTestModule::destinations() const
{
    return {isColour(test_) ? Destination::ColorTest : Destination::NumberTest};
}

StartupSlot ChoiceTestModule::startupSlot() const
{
    return isColour(test_) ? StartupSlot::ColorTest : StartupSlot::NumberTest;
}

void ChoiceTestModule::preload()
{
    Shell& shell = context_.shell;
    auto writeRecovery = [&shell] { shell.writeRecoveryFile(); };
    if (isColour(test_))
        window_ = std::make_unique<frmColorReflex>(context_.state, context_.platform,
                                                   context_.state.Random, writeRecovery);
    else
        window_ = std::make_unique<frmNumberReflex>(context_.state, context_.platform,
                                                    context_.state.Random, writeRecovery);
    ChoiceEngine& engine = window_->engine();
    if (ResponseTrace* trace = shell.responseTrace())
        engine.onResponseMeasured = [trace, &engine](std::int64_t s, std::int64_t p) {
            trace->record(s, p, engine.stimulusUncertaintyNs());
        };

    // The settings dialog opens on this test's page: 1 colour, 2 number.
    const int page = isColour(test_) ? 1 : 2;
    const Destination results = isColour(test_) ? Destination::ColorResults : Destination::NumberResults;
    QObject::connect(window_.get(), &ChoiceWindow::doneRequested, window_.get(),
                     [this] { context_.shell.leave(openedBy_); });
    QObject::connect(window_.get(), &ChoiceWindow::optionsRequested, window_.get(), [this, &engine, page] {
        context_.shell.open({Destination::Settings, window_.get(),
                             [this, &engine] {
                                 window_->reloadIcons();
                                 engine.optionsClosed();
                             },
                             page});
    });
    QObject::connect(window_.get(), &ChoiceWindow::displayRequested, window_.get(), [this, &engine, results] {
        context_.shell.open({results, window_.get(), [&engine] { engine.resultsClosed(); }});
    });
}

void ChoiceTestModule::open(const OpenRequest& request)
{
    openedBy_ = request;
    window_->setOptionsAvailable(context_.shell.offers(Destination::Settings));
    window_->setDisplayAvailable(context_.shell.offers(isColour(test_) ? Destination::ColorResults
                                                                       : Destination::NumberResults));
    window_->reloadIcons();
    window_->engine().initialise();
    context_.shell.show(window_.get());
}

} // namespace reflex
