#include "shared/ResultsModule.h"
#include "shared/ResultsWindow.h"

namespace brevane {

ResultsModule::ResultsModule(ModuleContext context, Destination destination, MakeWindow make)
    : context_(context)
    , destination_(destination)
    , make_(std::move(make))
{
}

ResultsModule::~ResultsModule() = default;

void ResultsModule::open(const OpenRequest& request)
{
    if (window_)
        return;
    openedBy_ = request;
    context_.shell.showWhileLoading([this] {
        window_ = make_(context_);
        QObject::connect(window_.get(), &ResultsWindow::doneRequested, window_.get(), [this] { leave(); });
        context_.shell.show(window_.get());
    });
}

void ResultsModule::leave()
{
    context_.shell.leave(openedBy_);
    // Done's click is still being handled inside the window: it goes once that returns.
    window_.release()->deleteLater();
}

} // namespace brevane
