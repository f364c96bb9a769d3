#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "ui_frmCfg.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QTimer>

namespace brevane {

namespace {

void fill(QPushButton* panel, QRgb colour)
{
    panel->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                                        "QPushButton:focus { border: 2px dashed #0060c0; }")
                             .arg(QColor::fromRgb(colour).name()));
}

// Shows the selected option; a value that is neither button (from a file) selects none.
void showOption(QRadioButton* const (&buttons)[2], int selected, bool enabled0, bool enabled1)
{
    for (int i = 0; i < 2; ++i) {
        if (buttons[i]->isChecked() != (selected == i)) {
            buttons[i]->setAutoExclusive(false);
            buttons[i]->setChecked(selected == i);
            buttons[i]->setAutoExclusive(true);
        }
    }
    buttons[0]->setEnabled(enabled0);
    buttons[1]->setEnabled(enabled1);
}

} // namespace

frmCfg::frmCfg(AppState& state, const Platform& platform, Mixer& mixer, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmCfg>())
    , editor_(state, platform, mixer)
{
    ui->setupUi(this);
    setFixedSize(sizeHint().expandedTo(size()));
    editor_.chooseColour = [this, &state](QRgb current, int initial) {
        return frmColorSelect::choose(this, state.ColorPalette, current, initial);
    };
    bindFields();
    bindOptions();
    bindPanels();

    connect(ui->VolSlider, &QSlider::valueChanged, this, [this](int value) {
        editor_.volumeMoved(value);
        ui->lblVolSetting->setText(QString::number(value));
    });
    // Made once, at start-up: the device gets the volume the slider will show.
    editor_.applyVolume();

    connect(ui->cmdOk, &QPushButton::clicked, this, [this] {
        checkFocusedField();
        if (editor_.ok())
            emit closed();
    });
    connect(ui->cmdCancel, &QPushButton::clicked, this, [this] {
        editor_.cancel();
        emit closed();
    });
    connect(ui->cmdReset, &QPushButton::clicked, this, [this] { onCommand(&SettingsEditor::reset); });
    connect(ui->cmdSaveCfgFile, &QPushButton::clicked, this, [this] { onCommand(&SettingsEditor::save); });
    connect(ui->cmdLoadCfgFile, &QPushButton::clicked, this, [this] { onCommand(&SettingsEditor::loadFile); });

    editor_.load();
    render();
}

frmCfg::~frmCfg() = default;

void frmCfg::bindFields()
{
    using F = SettingsField;
    fields_ = {
        {ui->txtNormRunCount, F::NormRunCount},
        {ui->txtNormalFixedTimeInterval, F::NormalFixedTimeInterval},
        {ui->txtNormalMinimumTimeInterval, F::NormalMinimumTimeInterval},
        {ui->txtColorRunCount, F::ColorRunCount},
        {ui->txtColorFixedTimeInterval, F::ColorFixedTimeInterval},
        {ui->txtColorMinimumTimeInterval, F::ColorMinimumTimeInterval},
        {ui->txtColorDisplayTime, F::ColorDisplayTime},
        {ui->txtColorElementCount, F::ColorElementCount},
        {ui->txtColorTriggerElement, F::ColorTriggerElement},
        {ui->txtColorCurrentElement, F::ColorCurrentElement},
        {ui->txtNumberRunCount, F::NumberRunCount},
        {ui->txtNumberFixedTimeInterval, F::NumberFixedTimeInterval},
        {ui->txtNumberMinimumTimeInterval, F::NumberMinimumTimeInterval},
        {ui->txtNumberDisplayTime, F::NumberDisplayTime},
        {ui->txtNumberElementCount, F::NumberElementCount},
        {ui->txtNumberTriggerElement, F::NumberTriggerElement},
        {ui->txtNumberCurrentElement, F::NumberCurrentElement},
        {ui->txtNumberSetElementNumberBox, F::NumberSetElementNumberBox},
        {ui->txtNumberTriggerNumberBox, F::NumberTriggerNumberBox},
    };
    for (int i = 0; i < kElementBoxes; ++i)
        fields_.push_back({findChild<QLineEdit*>(QStringLiteral("txtElementBox_%1").arg(i)), elementBox(i)});
    for (const Field& f : fields_) {
        f.edit->installEventFilter(this);
        if (f.field == F::NormRunCount || f.field == F::ColorRunCount || f.field == F::NumberRunCount)
            connect(f.edit, &QLineEdit::textEdited, this, [this, f](const QString& typed) {
                if (!editor_.runCountEdited(f.field, typed))
                    f.edit->setText(editor_.text(f.field));
            });
    }
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy())
            fieldLabels_.push_back(label);
}

void frmCfg::bindOptions()
{
    using O = SettingsOption;
    const auto group = [this](O g, const char* name) {
        Options o{g, {}};
        for (int i = 0; i < 2; ++i) {
            o.buttons[i] = findChild<QRadioButton*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            connect(o.buttons[i], &QRadioButton::clicked, this, [this, g, i] {
                editor_.chooseOption(g, i);
                render();
            });
        }
        options_.push_back(o);
    };
    group(O::NormalTriggerOn, "optNormalTriggerOn");
    group(O::NormalIntervalTiming, "optNormalIntervalTiming");
    group(O::ColorTriggerOn, "optColorTriggerOn");
    group(O::ColorIntervalTiming, "optColorIntervalTiming");
    group(O::ColorMakeSound, "optColorMakeSound");
    group(O::NumberTriggerOn, "optNumberTriggerOn");
    group(O::NumberIntervalTiming, "optNumberIntervalTiming");
    group(O::NumberMakeSound, "optNumberMakeSound");
}

// The colour panels open the colour selection; a field left for one is checked first.
void frmCfg::bindPanels()
{
    const auto panel = [this](QPushButton* button, const std::function<void()>& pick) {
        connect(button, &QPushButton::clicked, this, [this, pick] {
            checkFocusedField();
            pick();
            render();
        });
    };
    for (int i = 0; i < kElementBoxes; ++i) {
        swatches_.push_back(findChild<QPushButton*>(QStringLiteral("pnlColorSwatch_%1").arg(i)));
        panel(swatches_.back(), [this, i] { editor_.clickSwatch(i); });
    }
    panel(ui->pnlTriggerColor, [this] { editor_.pickTriggerColour(); });
    panel(ui->txtColorTriggerColorBox, [this] { editor_.clickTriggerColourBox(); });
    panel(ui->cmdColorSelect, [this] { editor_.pickElementColour(); });
    colourPanels_ = swatches_;
    colourPanels_.insert(colourPanels_.end(), {ui->pnlTriggerColor, ui->txtColorTriggerColorBox, ui->cmdColorSelect});
}

void frmCfg::openOn(int page)
{
    ui->SSTab1->setCurrentIndex(qBound(0, page, ui->SSTab1->count() - 1));
    editor_.load();
    render();
    ui->cmdOk->setFocus();
}

void frmCfg::render()
{
    for (const Field& f : fields_) {
        const QString text = editor_.text(f.field);
        if (f.edit->text() != text)
            f.edit->setText(text);
        f.edit->setEnabled(editor_.enabled(f.field));
    }
    for (QLabel* label : fieldLabels_)
        label->setEnabled(label->buddy()->isEnabled());
    for (const Options& o : options_)
        showOption(o.buttons, editor_.option(o.group), editor_.optionEnabled(o.group, 0),
                   editor_.optionEnabled(o.group, 1));
    for (int i = 0; i < int(swatches_.size()); ++i)
        fill(swatches_[i], editor_.swatch(i));
    fill(ui->txtColorTriggerColorBox, editor_.triggerColourBox());
    fill(ui->pnlTriggerColor, editor_.normalTriggerColour());
    // The colours are settings too; where the lab locks them they are shown, not chosen.
    for (QPushButton* panel : colourPanels_)
        panel->setEnabled(!editor_.locked());
    // The slider shows the setting without setting the volume again.
    const QSignalBlocker quiet(ui->VolSlider);
    ui->VolSlider->setValue(editor_.volume());
    ui->lblVolSetting->setText(QString::number(editor_.volume()));
}

void frmCfg::leave(const Field& f)
{
    editor_.leave(f.field, f.edit->text());
    render();
}

void frmCfg::checkFocusedField()
{
    for (const Field& f : fields_)
        if (f.edit->hasFocus())
            leave(f);
}

void frmCfg::onCommand(void (SettingsEditor::*command)())
{
    checkFocusedField();
    (editor_.*command)();
    render();
}

bool frmCfg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return QWidget::eventFilter(watched, event);
    for (const Field& f : fields_) {
        if (f.edit != watched)
            continue;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (event->type() == QEvent::FocusIn) {
            // After the press that gave the focus has placed the cursor.
            QTimer::singleShot(0, f.edit, [edit = f.edit] { edit->selectAll(); });
        } else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            leave(f); // another window coming up is not leaving the field
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCfg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous()) {
        editor_.cancel();
        emit closed();
    }
}

} // namespace brevane
