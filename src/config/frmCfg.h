#pragma once
#include "config/SettingsEditor.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace Ui {
class frmCfg;
}
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brevane {

// The settings dialog: wires its controls to SettingsEditor and shows what the editor holds.
// A numeric field is checked when the focus leaves it for another control of the dialog; a
// command button first checks the field being edited.
class frmCfg : public QWidget {
    Q_OBJECT
public:
    frmCfg(AppState& state, const Platform& platform, Mixer& mixer, QWidget* parent = nullptr);
    ~frmCfg() override;

    SettingsEditor& editor() { return editor_; }

    // What an opener does: select the tab (0 simple, 1 colour, 2 number), run the load
    // handler, fill every control.
    void openOn(int page);
    void render();

signals:
    void closed(); // OK or Cancel

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window's close button is Cancel, so the dialog never closes into nothing.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Field {
        QLineEdit* edit;
        SettingsField field;
    };
    struct Options {
        SettingsOption group;
        QRadioButton* buttons[2];
    };

    // The form's edit fields, option groups and colour panels wired to the editor.
    void bindFields();
    void bindOptions();
    void bindPanels();
    void leave(const Field& f);
    void checkFocusedField();
    void onCommand(void (SettingsEditor::*command)());

    std::unique_ptr<Ui::frmCfg> ui;
    SettingsEditor editor_;
    std::vector<Field> fields_;
    std::vector<Options> options_;
    std::vector<QLabel*> fieldLabels_; // enabled with their fields
    std::vector<QPushButton*> swatches_;
    std::vector<QPushButton*> colourPanels_; // the swatches and the other colour buttons
};

} // namespace brevane
