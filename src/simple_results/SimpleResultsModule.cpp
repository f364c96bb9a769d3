#include "simple_results/SimpleResultsModule.h"
#include "simple_results/frmDisplay.h"

namespace reflex {

SimpleResultsModule::SimpleResultsModule(ModuleContext context)
    : context_(context)
{
}

SimpleResultsModule::~SimpleResultsModule() = default;

void SimpleResultsModule::open(const OpenRequest& request)
{
    if (window_ || !context_.printing)
        return;
    openedBy_ = request;
    context_.shell.showWhileLoading([this] {
        window_ = std::make_unique<frmDisplay>(context_.state, context_.platform, *context_.printing);
        QObject::connect(window_.get(), &frmDisplay::doneRequested, window_.get(), [this] { leave(); });
        context_.shell.show(window_.get());
    });
}

void SimpleResultsModule::leave()
{
    context_.shell.leave(openedBy_);
    // Done's click is still being handled inside the window: it goes once that returns.
    window_.release()->deleteLater();
}

} // namespace reflex
