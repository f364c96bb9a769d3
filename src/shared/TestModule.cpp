#include "shared/TestModule.h"
#include "shared/TestList.h"

namespace brevane {

TestModule::TestModule(ModuleContext context, const TestDescriptor& test)
    : context_(context)
    , test_(test)
{
}

TestModule::~TestModule()
{
    holdSound(false);
}

void TestModule::preload()
{
    SeriesRecorder& series = context_.series;
    window_ = makeWindow([&series] { series.seriesEnded(); });
    TestWindow* window = window_.get();
    TestEngine& engine = window->testEngine();
    engine.onResponseMeasured = [&series, &engine](std::int64_t stimulusNs, const PressStamp& press) {
        series.responseMeasured(stimulusNs, press.ns, engine.stimulusTrace(),
                                {press.source, engine.stimulusToneSource(), engine.stimulusToneLagNs()});
    };
    Shell& shell = context_.shell;
    QObject::connect(window, &TestWindow::doneRequested, window, [this, &shell] {
        holdSound(false);
        shell.leave(openedBy_);
    });
    QObject::connect(window, &TestWindow::optionsRequested, window, [this, &shell, window, &engine] {
        shell.open({Destination::Settings, window,
                    [window, &engine] {
                        window->settingsChanged();
                        engine.optionsClosed();
                    },
                    test_.settingsPage});
    });
    QObject::connect(window, &TestWindow::displayRequested, window, [this, &shell, window, &engine] {
        shell.open({Destination::resultsWindow(test_), window, [&engine] { engine.resultsClosed(); }});
    });
}

void TestModule::open(const OpenRequest& request)
{
    openedBy_ = request;
    window_->setOptionsAvailable(context_.shell.offers(Destination::Settings));
    window_->setDisplayAvailable(context_.shell.offers(Destination::resultsWindow(test_)));
    window_->settingsChanged();
    window_->testEngine().initialise();
    holdSound(true);
    context_.shell.show(window_.get());
}

// From the window's opening to its closing the sound server's stream runs on silence: no
// start-up or wake-up of the sink falls inside a measured time.
void TestModule::holdSound(bool on)
{
    if (on != holdingSound_)
        context_.platform.beeper.holdStream(on);
    holdingSound_ = on;
}

} // namespace brevane
