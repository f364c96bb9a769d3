#pragma once
// The small windows of the shell: the start-up backdrop, the splash with its progress bar,
// the main menu, the about box and the loading banner. Each is a thin view over its .ui form;
// what they do is wired in Application.

#include "app/StartupSequence.h"
#include "app/TestModules.h"
#include "shared/Shell.h"

#include <QDialog>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

class QPushButton;
class QTimer;
namespace Ui {
class frmFirst;
class frmSplash;
class frmMain;
class frmAbout;
class frmLoadDisplay;
} // namespace Ui

namespace brevane {

class frmFirst : public QWidget {
    Q_OBJECT
public:
    explicit frmFirst(QWidget* parent = nullptr);
    ~frmFirst() override;

private:
    std::unique_ptr<Ui::frmFirst> ui;
};

class frmSplash : public QWidget, public SplashView {
    Q_OBJECT
public:
    explicit frmSplash(const ProgramVersion& version, QWidget* parent = nullptr);
    ~frmSplash() override;
    // Each step is painted at once: the sequence runs without returning to the event loop.
    void setProgress(int value) override;
    void setStatus(const QString& text) override;

private:
    std::unique_ptr<Ui::frmSplash> ui;
};

class frmMain : public QWidget {
    Q_OBJECT
public:
    // `tests`: the tests in the menu's order, each on its button in the form or on one made here.
    frmMain(const ProgramVersion& version, std::span<const TestModules> tests, QWidget* parent = nullptr);
    ~frmMain() override;

signals:
    void openRequested(Destination destination); // Simple, Color/Audio, Num/Audio, any other test, Options
    void clearDataRequested();
    void recoverRequested();
    void aboutRequested();
    void exitRequested();

public:
    // A module button is enabled when some module offers its destination.
    void setAvailable(const std::function<bool(Destination)>& offered);

protected:
    void showEvent(QShowEvent* event) override;
    // The window manager's close button is Exit, with its question.
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* makeTestButton(const TestDescriptor& test, int index);

    std::unique_ptr<Ui::frmMain> ui;
    ProgramVersion version_;
    std::vector<std::pair<QPushButton*, Destination>> moduleButtons_; // one per test, then Options
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `displayNotice`: what the display's stimulus stamps cost the times; empty where nothing.
    // `machineLine`: the machine check's kept result (machineCheckLine).
    frmAbout(const ProgramVersion& version, const QString& displayNotice, QWidget* parent = nullptr,
             const QString& machineLine = {});
    ~frmAbout() override;
    // The configuration the session read at start-up, in words (AppState::ConfigurationInUse).
    void showConfiguration(const QString& inUse);

private:
    std::unique_ptr<Ui::frmAbout> ui;
};

// Shows "Loading Display Please Wait..." and runs a slow loading step on its timer's first
// tick, 500 ms later, so the banner is on screen while the step runs; then it closes.
class frmLoadDisplay : public QWidget {
    Q_OBJECT
public:
    explicit frmLoadDisplay(QWidget* parent = nullptr);
    ~frmLoadDisplay() override;
    void run(std::function<void()> loadingStep);

private:
    std::unique_ptr<Ui::frmLoadDisplay> ui;
    QTimer* Timer1;
    std::function<void()> step_;
};

} // namespace brevane
