#pragma once
// What the three test windows do alike (windows layer). The command buttons, the comment box
// and the readouts are wired to the window's engine (TestEngine) and shown from its display
// state; a press on the free surface, not on a control, is stamped first thing and handed to
// the engine; the close button is Done, refused while a series runs; Start takes the focus as
// the window shows; Options and Display stay disabled until their windows are wired. The
// response targets are drawn outlines.
#include "platform/Platform.h"
#include "shared/TestCore.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevane {

class TestWindow : public QWidget {
    Q_OBJECT
public:
    void setOptionsAvailable(bool on)
    {
        optionsWired_ = on;
        render();
    }
    void setDisplayAvailable(bool on)
    {
        displayWired_ = on;
        render();
    }
    virtual void render() = 0;
    virtual TestEngine& testEngine() = 0;
    // The settings may have changed: what the window reads of them itself is read again.
    virtual void settingsChanged() { }

signals:
    void doneRequested();    // Done: back to the main menu
    void optionsRequested(); // Options: the settings dialog
    void displayRequested(); // Display: the results window

protected:
    TestWindow(const Platform& platform, QWidget* parent);

    // Once the form is set up: the stop picture and the logo, and the commands wired.
    void bindCommands();
    // The readouts, the set indicator, the comment box and the commands; then Start takes the
    // focus when it may.
    void renderCommands();
    void done();
    // Puts `area`'s new look on the screen, at the display's next refresh where the X server
    // can say when that is, and returns when it got there.
    Presentation present(QWidget* area) { return presenter_.present(area); }

    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // A control of the form by name; a missing one ends the program with its name.
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* c = findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("the form has no control %s", name);
        return c;
    }

private:
    struct ShownText {
        QLabel* label;
        const QString TestDisplay::*text;
    };
    struct Command {
        QPushButton* button;
        const bool TestDisplay::*enabled;
        const bool* wired; // Options and Display: only while their windows are wired
    };

    const Clock& clock_;
    // Found once: render() runs on the way to every stimulus.
    std::vector<ShownText> texts_;
    std::vector<Command> commands_;
    QLabel* txtSetIndicator_ = nullptr;
    QLineEdit* txtSetComment_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    PressStamper& presses_;
    Presenter& presenter_;
    bool optionsWired_ = false;
    bool displayWired_ = false;
};

// A response target drawn on the window surface. It takes no input: a press on it is a press
// on the window itself.
class TargetOutline : public QWidget {
public:
    TargetOutline(bool round, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool round_;
};

// The simple test's circles and the choice tests' boxes, as the forms name them.
class TargetShape final : public TargetOutline {
public:
    explicit TargetShape(QWidget* parent = nullptr)
        : TargetOutline(true, parent)
    {
    }
};

class TargetBox final : public TargetOutline {
public:
    explicit TargetBox(QWidget* parent = nullptr)
        : TargetOutline(false, parent)
    {
    }
};

} // namespace brevane
