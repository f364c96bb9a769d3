#include "app/Application.h"
#include "app/DataCommands.h"
#include "app/MenuCommands.h"
#include "app/StartupSequence.h"
#include "app/Windows.h"
#include "simple_test/RecoveryFile.h"
#include "simple_test/frmReflex.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace reflex {

Application::Application(AppState& state, const Platform& platform, QString commandLine)
    : state_(state)
    , platform_(platform)
    , commandLine_(std::move(commandLine))
    , recovery_(std::make_unique<RecoveryFile>(state, platform.prompt))
    , first_(std::make_unique<frmFirst>())
    , splash_(std::make_unique<frmSplash>(platform.version))
    , main_(std::make_unique<frmMain>(platform.version))
{
    main_->installEventFilter(this);
    connect(main_.get(), &frmMain::simpleRequested, this, &Application::openSimpleTest);
    connect(main_.get(), &frmMain::clearDataRequested, this,
            [this] { clearAllData(state_, platform_.prompt); });
    connect(main_.get(), &frmMain::recoverRequested, this, [this] { recovery_->read(); });
    connect(main_.get(), &frmMain::aboutRequested, this, [this] {
        frmAbout about(platform_.version, main_.get());
        about.exec();
    });
    connect(main_.get(), &frmMain::exitRequested, this, &Application::exitProgram);
}

Application::~Application() = default;

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
    loaders.simpleTest = [this] {
        reflex_ = std::make_unique<frmReflex>(state_, platform_, [this] { recovery_->write(); });
        reflex_->installEventFilter(this);
        if (!timingTrace_.isEmpty()) {
            reflex_->engine().onResponseMeasured = [path = timingTrace_](std::int64_t s, std::int64_t p) {
                QFile f(path);
                if (f.open(QIODevice::Append | QIODevice::Text))
                    f.write(QByteArray::number(qlonglong(s)) + ' ' + QByteArray::number(qlonglong(p)) + '\n');
            };
        }
        connect(reflex_.get(), &frmReflex::doneRequested, this, [this] { navigator_.show(main_.get()); });
        main_->setModuleAvailable("cmdNormal", true);
    };
    if (sequence.loadConfiguration(commandLine_, loaders) == StartupOutcome::Terminate) {
        QCoreApplication::exit(1);
        return;
    }
    splash_->close();
    navigator_.show(main_.get());
    first_->hide();
}

void Application::openSimpleTest()
{
    reflex_->engine().initialise();
    navigator_.show(reflex_.get());
}

void Application::exitProgram()
{
    if (platform_.prompt.ask(exitQuestion(state_.DataNotSaved)) != MsgAnswer::Yes)
        return;
    platform_.pointer.setBusy(false);
    // exit(), not quit(): quit() first asks every window to close, which is Exit again.
    QCoreApplication::exit(0);
}

// A window manager's close button: on the menu it is Exit with its question, on the test
// window it is Done, and refused while a series runs.
bool Application::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close || !event->spontaneous())
        return false;
    event->ignore();
    if (watched == main_.get())
        exitProgram();
    else if (watched == reflex_.get() && reflex_->engine().display().cmdExit) {
        reflex_->engine().storeComment();
        navigator_.show(main_.get());
    }
    return true;
}

} // namespace reflex
