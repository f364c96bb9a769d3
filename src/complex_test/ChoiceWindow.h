#pragma once
// The two choice test windows, each over the choice test it is made for. Both forward their commands and presses to one
// ChoiceEngine and show its state; they differ only in how an element value is shown in the display box and the
// "Trigger On" box (a colour, or a number written with a sign position) and in that the colour window stores the
// comment as soon as its box loses the focus. Presses count on the free surface, the two target boxes and the disabled
// display box, not on labels, text boxes or buttons.

#include "complex_test/ChoiceEngine.h"
#include "shared/TestWindow.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace brevane {

class ChoiceWindow : public TestWindow, public ChoiceTestView {
    Q_OBJECT
public:
    ~ChoiceWindow() override;

    ChoiceEngine& engine() { return engine_; }
    TestEngine& testEngine() override { return engine_; }

    void render() override;
    Presentation presentElement() override;
    QPoint leftTargetCentre() const override;

    // The sound icon files are read again the next time the window shows its trigger.
    void settingsChanged() override { iconShowsSound_.reset(); }

protected:
    ChoiceWindow(ChoiceStyle style, const TestDescriptor& test, AppState& state, const Platform& platform,
                 RandomSource& random, std::function<void()> writeRecoveryFile, QWidget* parent);
    // Called by each window once its form is set up.
    void bindControls();
    virtual void showElement(QLabel* box, std::optional<qint16> element) = 0;
    virtual void showTrigger(QLabel* box, qint16 element) = 0;
    static void setBackground(QWidget* w, QRgb colour);

    AppState& state_;

private:
    ChoiceEngine engine_;
    std::optional<bool> iconShowsSound_;

    QLabel* txtInsideFrame = nullptr;
    QLabel* txtTriggerOnDisplay = nullptr;
    QLabel* picTriggerOnDisplay = nullptr;
    QLineEdit* txtSetComment = nullptr;
    QWidget* Shape12_0 = nullptr;
    std::array<QLabel*, 4> counts_{}; // correct hits, incorrect hits, correct misses, missed hits
};

class frmColorReflex final : public ChoiceWindow {
    Q_OBJECT
public:
    frmColorReflex(const TestDescriptor& test, AppState& state, const Platform& platform, RandomSource& random,
                   std::function<void()> writeRecoveryFile, QWidget* parent = nullptr);

protected:
    void showElement(QLabel* box, std::optional<qint16> element) override;
    void showTrigger(QLabel* box, qint16 element) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class frmNumberReflex final : public ChoiceWindow {
    Q_OBJECT
public:
    frmNumberReflex(const TestDescriptor& test, AppState& state, const Platform& platform, RandomSource& random,
                    std::function<void()> writeRecoveryFile, QWidget* parent = nullptr);

protected:
    void showElement(QLabel* box, std::optional<qint16> element) override;
    void showTrigger(QLabel* box, qint16 element) override;
};

} // namespace brevane
