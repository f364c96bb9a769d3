#pragma once
// The two choice test windows. Both forward their commands and presses to one ChoiceEngine
// and show its state; they differ only in how an element value is shown in the display box
// and the "Trigger On" box (a colour, or a number written with a sign position) and in that
// the colour window stores the comment as soon as its box loses the focus.
// Presses count on the free surface, the two target boxes and the disabled display box, not
// on labels, text boxes or buttons.

#include "complex_test/ChoiceEngine.h"
#include "platform/InputStamp.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace reflex {

// A response target drawn on the window surface. It takes no input: a press on it is a press
// on the window itself.
class TargetBox : public QWidget {
    Q_OBJECT
public:
    explicit TargetBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class ChoiceWindow : public QWidget, public ChoiceTestView {
    Q_OBJECT
public:
    ~ChoiceWindow() override;

    ChoiceEngine& engine() { return engine_; }

    void render() override;
    Presentation presentElement() override;
    QPoint leftTargetCentre() const override;

    // Options and Display stay disabled until their windows are there.
    void setOptionsAvailable(bool on) { optionsWired_ = on; render(); }
    void setDisplayAvailable(bool on) { displayWired_ = on; render(); }
    // The sound icon files are read again the next time the window shows its trigger.
    void reloadIcons() { iconShowsSound_.reset(); }

signals:
    void doneRequested();    // Done: back to the main menu
    void optionsRequested(); // Options: the settings dialog
    void displayRequested(); // Display: the results window

protected:
    ChoiceWindow(ChoiceTest test, AppState& state, const Platform& platform, RandomSource& random,
                 std::function<void()> writeRecoveryFile, QWidget* parent);
    // Called by each window once its form is set up.
    void bindControls();
    virtual void showElement(QLabel* box, std::optional<qint16> element) = 0;
    virtual void showTrigger(QLabel* box, qint16 element) = 0;
    static void setBackground(QWidget* w, QRgb colour);

    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // the close button is Done, refused in a series

    AppState& state_;

private:
    void done();

    const Platform& platform_;
    XPressStamper pressStamper_;
    ChoiceEngine engine_;
    bool optionsWired_ = false;
    bool displayWired_ = false;
    std::optional<bool> iconShowsSound_;

    QLabel* txtInsideFrame = nullptr;
    QLabel* txtTriggerOnDisplay = nullptr;
    QLabel* picTriggerOnDisplay = nullptr;
    QLineEdit* txtSetComment = nullptr;
    QWidget* Shape12_0 = nullptr;
    QPushButton* cmdStart = nullptr;
};

class frmColorReflex final : public ChoiceWindow {
    Q_OBJECT
public:
    frmColorReflex(AppState& state, const Platform& platform, RandomSource& random,
                   std::function<void()> writeRecoveryFile, QWidget* parent = nullptr);

protected:
    void showElement(QLabel* box, std::optional<qint16> element) override;
    void showTrigger(QLabel* box, qint16 element) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class frmNumberReflex final : public ChoiceWindow {
    Q_OBJECT
public:
    frmNumberReflex(AppState& state, const Platform& platform, RandomSource& random,
                    std::function<void()> writeRecoveryFile, QWidget* parent = nullptr);

protected:
    void showElement(QLabel* box, std::optional<qint16> element) override;
    void showTrigger(QLabel* box, qint16 element) override;
};

} // namespace reflex
