#include "config/frmColorSelect.h"
#include "shared/Palette.h"
#include "ui_frmColorSelect.h"

#include <QPushButton>

namespace brevane {

namespace {

void fill(QWidget* panel, QRgb colour)
{
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(colour));
    panel->setPalette(p);
}

} // namespace

QString frmColorSelect::colourName(int paletteNumber)
{
    static const char* const names[16] = {
        QT_TR_NOOP("Black"),     QT_TR_NOOP("Blue"),          QT_TR_NOOP("Green"),        QT_TR_NOOP("Cyan"),
        QT_TR_NOOP("Red"),       QT_TR_NOOP("Magenta"),       QT_TR_NOOP("Yellow"),       QT_TR_NOOP("White"),
        QT_TR_NOOP("Grey"),      QT_TR_NOOP("Light Blue"),    QT_TR_NOOP("Light Green"),  QT_TR_NOOP("Light Cyan"),
        QT_TR_NOOP("Light Red"), QT_TR_NOOP("Light Magenta"), QT_TR_NOOP("Light Yellow"), QT_TR_NOOP("Bright White")};
    return tr(names[unsigned(paletteNumber) % 16]);
}

frmColorSelect::frmColorSelect(const std::array<qint16, 16>& colorPalette, QRgb current, int initial, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmColorSelect>())
{
    ui->setupUi(this);
    setFixedSize(sizeHint());
    fill(ui->pnlColorDisplay, current);
    for (int i = 0; i < int(kPalette.size()); ++i)
        if (kPalette[i] == current)
            ui->pnlColorDisplay->setToolTip(colourName(i));
    for (int i = 0; i < 16; ++i) {
        auto* button = findChild<QPushButton*>(QStringLiteral("ColorSelection_%1").arg(i));
        const int number = colorPalette[i];
        const QString name = colourName(number);
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                                             "QPushButton:checked { border: 3px solid #0060c0; }"
                                             "QPushButton:focus { border: 2px dashed #0060c0; }")
                                  .arg(QColor::fromRgb(paletteColour(number)).name()));
        button->setChecked(number == initial);
        connect(button, &QPushButton::clicked, this, [this, number] { select(number); });
    }
    select(initial);
    connect(ui->cmdSelectColor, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cmdCancelSelect, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { selected_ = -1; });
}

frmColorSelect::~frmColorSelect() = default;

void frmColorSelect::select(int paletteNumber)
{
    selected_ = paletteNumber;
    fill(ui->pnlColorSelection, paletteColour(paletteNumber));
    ui->pnlColorSelection->setToolTip(colourName(paletteNumber));
    ui->pnlColorSelection->setAccessibleDescription(colourName(paletteNumber));
}

int frmColorSelect::choose(QWidget* parent, const std::array<qint16, 16>& colorPalette, QRgb current, int initial)
{
    frmColorSelect dialog(colorPalette, current, initial, parent);
    dialog.exec();
    return dialog.SelectedColor();
}

} // namespace brevane
