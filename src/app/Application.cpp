#include "app/Application.h"
#include "app/DataCommands.h"
#include "app/MenuCommands.h"
#include "app/StartupSequence.h"
#include "app/TestModules.h"
#include "app/Windows.h"
#include "config/SettingsModule.h"
#include "platform/display/DisplayProbe.h"
#include "shared/MachineResultStore.h"
#include "shared/RecoveryCommands.h"
#include "shared/TimingTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace brevane {

Application::Application(AppState& state, const Platform& platform, QString commandLine, LabSession lab)
    : state_(state)
    , platform_(platform)
    , commandLine_(std::move(commandLine))
    , lab_(std::move(lab))
    , recovery_(std::make_unique<RecoveryFile>(state, platform.prompt, QString(), &platform.handIn))
    , first_(std::make_unique<frmFirst>())
    , splash_(std::make_unique<frmSplash>(platform.version))
    , main_(std::make_unique<frmMain>(platform.version, testModules()))
{
    const ModuleContext context{state_, platform_, *this, *this};
    for (const TestModules& test : testModules()) {
        modules_.push_back(test.makeTest(context));
        modules_.push_back(test.makeResults(context));
    }
    modules_.push_back(std::make_unique<SettingsModule>(context));

    connect(main_.get(), &frmMain::openRequested, this, [this](Destination d) { open({d, main_.get()}); });
    connect(main_.get(), &frmMain::clearDataRequested, this, [this] { clearAllData(state_, platform_.prompt); });
    connect(main_.get(), &frmMain::recoverRequested, this, [this] { recovery_->read(); });
    connect(main_.get(), &frmMain::aboutRequested, this, [this] {
        // The display as probed now, else what the stimuli shown so far turned out to be.
        const QString notice = displayStampPlan(probeDisplay()).notice;
        frmAbout about(platform_.version, notice.isEmpty() ? estimatedNotice_ : notice, main_.get(),
                       machineCheckLine(loadMachineResult()));
        about.showConfiguration(state_.ConfigurationInUse);
        about.exec();
    });
    connect(main_.get(), &frmMain::exitRequested, this, &Application::exitProgram);
}

Application::~Application() = default;

void Application::setTimingTrace(const QString& path)
{
    tracePath_ = path;
}

// A line of the trace, its fields as shared/TimingTrace.h lists them.
void Application::responseMeasured(std::int64_t stimulusNs, std::int64_t responseNs, const StampTrace& stimulus,
                                   StampSources sources)
{
    if (estimatedNotice_.isEmpty())
        estimatedNotice_ = estimatedStampNotice(stimulus);
    if (tracePath_.isEmpty())
        return;
    TimingTraceLine line;
    line.set("stimulus_ns", stimulusNs);
    line.set("press_ns", responseNs);
    line.set("uncertainty_ns", stimulus.uncertaintyNs);
    line.set("source", stampSourceName(stimulus.source));
    line.set("msc", stimulus.msc);
    line.set("handover_ns", stimulus.handOverNs);
    line.set("press_source", pressSourceName(sources.press));
    line.set("tone_source", toneSourceName(sources.tone));
    line.set("exact", stampExactnessName(stimulus.exact));
    line.set("scanout_ns", stimulus.scanOutNs);
    line.set("flags", stampFlagNames(stimulus.flags));
    line.set("tone_lag_ns", sources.toneLagNs);
    QFile f(tracePath_);
    if (f.open(QIODevice::Append | QIODevice::Text))
        f.write(QByteArray::fromStdString(line.text() + '\n'));
}

void Application::start()
{
    Navigator::centre(first_.get());
    first_->show();
    Navigator::centre(splash_.get());
    splash_->show();
    splash_->repaint();

    StartupSequence sequence(state_, platform_.prompt, platform_.pointer, *splash_, QDir::current());
    sequence.initialiseGlobals(primaryScreenMetrics());
    sequence.setLab(lab_);
    StartupLoaders loaders;
    for (const auto& m : modules_) {
        Module* module = m.get();
        const auto load = [module] { module->preload(); };
        if (module->startupSlot() == StartupSlot::SettingsDialog)
            loaders.settingsDialog = load;
        else if (module->startupSlot() == StartupSlot::Test)
            loaders.tests.push_back(load); // registered in the order of testModules()
    }
    if (sequence.loadConfiguration(commandLine_, loaders) == StartupOutcome::Terminate) {
        QCoreApplication::exit(1);
        return;
    }
    main_->setAvailable([this](Destination d) { return offers(d); });
    splash_->close();
    navigator_.show(main_.get());
    first_->hide();
}

Module* Application::provider(Destination destination) const
{
    for (const auto& m : modules_)
        if (m->destinations().contains(destination))
            return m.get();
    return nullptr;
}

void Application::open(OpenRequest request)
{
    if (Module* module = provider(request.destination))
        module->open(request);
}

void Application::showWhileLoading(std::function<void()> step)
{
    // The banner lives from its showing to its timer's first tick, which runs the step.
    auto* banner = new frmLoadDisplay;
    navigator_.show(banner);
    banner->run([banner, step = std::move(step)] {
        step();
        banner->deleteLater();
    });
}

void Application::seriesEnded()
{
    recovery_->write();
}

void Application::exitProgram()
{
    if (platform_.prompt.ask(exitQuestion(state_.DataNotSaved.any())) != MsgAnswer::Yes)
        return;
    platform_.pointer.setBusy(false);
    // exit(), not quit(): quit() first asks every window to close, which is Exit again.
    QCoreApplication::exit(0);
}

} // namespace brevane
