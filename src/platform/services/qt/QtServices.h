#pragma once
// The services' Qt implementations, built in main(): window timers, message boxes, file dialogs and
// the mouse pointer. The interfaces they implement are the services/ headers; the tests use fakes.
#include "platform/services/FileChooser.h"
#include "platform/services/Pointer.h"
#include "platform/services/Prompt.h"
#include "platform/services/Timer.h"

namespace brevane {

// QTimer with Qt::PreciseTimer: the default coarse timer may fire up to 5 % late.
class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer() override;
};

class QtPrompt final : public Prompt {
public:
    MsgAnswer ask(const Message& message) override;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

    // "Text (*.txt)|*.txt|All|*.*" -> "Text (*.txt) (*.txt);;All (*.*)"
    static QString toQtFilter(const QString& filter);
};

class QtPointer final : public Pointer {
public:
    void moveTo(QPoint globalPixels) override;
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

} // namespace brevane
