#pragma once
#include <QDialog>
#include <QRgb>
#include <array>
#include <memory>

namespace Ui {
class frmColorSelect;
}

namespace brevane {

// Picks one of the 16 palette colours. The dialog starts on palette number `initial`;
// "Current Color" shows the colour being replaced. Cancel, like closing the window, answers -1.
class frmColorSelect : public QDialog {
    Q_OBJECT
public:
    frmColorSelect(const std::array<qint16, 16>& colorPalette, QRgb current, int initial, QWidget* parent = nullptr);
    ~frmColorSelect() override;

    int SelectedColor() const { return selected_; }

    // Shows the dialog modally; the palette number chosen, or -1.
    static int choose(QWidget* parent, const std::array<qint16, 16>& colorPalette, QRgb current, int initial);
    // The palette colour's name, for screen readers and tooltips.
    static QString colourName(int paletteNumber);

private:
    void select(int paletteNumber);

    std::unique_ptr<Ui::frmColorSelect> ui;
    int selected_ = -1;
};

} // namespace brevane
