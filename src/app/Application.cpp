#include "app/Application.h"
#include "app/DataCommands.h"
#include "app/MenuCommands.h"
#include "app/StartupSequence.h"
#include "app/TestModules.h"
#include "app/Windows.h"
#include "config/SettingsModule.h"
#include "platform/display/x11/XDisplay.h"
#include "shared/MachineResultStore.h"
#include "shared/RecoveryCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace brevane {

Application::Application(AppState& state, const Platform& platform, QString commandLine)
    : state_(state)
    , platform_(platform)
    , commandLine_(std::move(commandLine))
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
        about.exec();
    });
    connect(main_.get(), &frmMain::exitRequested, this, &Application::exitProgram);
}

Application::~Application() = default;

void Application::setTimingTrace(const QString& path)
{
    tracePath_ = path;
}

// A line of the trace: the stimulus and press stamps, the stimulus stamp's uncertainty, where the
// picture's stamp came from with its frame counter and hand-over stamp, the words naming what the
// press and the tone were stamped from, then whether the picture's stamp is exact, the scan-out
// time it includes and the display's flags, and last the tone's first sample less the picture's
// onset (0 unless the stimulus had both).
void Application::responseMeasured(std::int64_t stimulusNs, std::int64_t responseNs, const StampTrace& stimulus,
                                   StampSources sources)
{
    if (estimatedNotice_.isEmpty())
        estimatedNotice_ = estimatedStampNotice(stimulus);
    if (tracePath_.isEmpty())
        return;
    QFile f(tracePath_);
    if (f.open(QIODevice::Append | QIODevice::Text))
        f.write(QByteArray::number(qlonglong(stimulusNs)) + ' ' + QByteArray::number(qlonglong(responseNs)) + ' ' +
                QByteArray::number(qlonglong(stimulus.uncertaintyNs)) + ' ' + stampSourceName(stimulus.source) + ' ' +
                QByteArray::number(qulonglong(stimulus.msc)) + ' ' +
                QByteArray::number(qlonglong(stimulus.handOverNs)) + ' ' + pressSourceName(sources.press) + ' ' +
                toneSourceName(sources.tone) + ' ' + stampExactnessName(stimulus.exact) + ' ' +
                QByteArray::number(qlonglong(stimulus.scanOutNs)) + ' ' + stampFlagNames(stimulus.flags).c_str() + ' ' +
                QByteArray::number(qlonglong(sources.toneLagNs)) + '\n');
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
