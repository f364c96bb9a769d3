#include "simple_test/frmReflex.h"
#include "platform/ScreenFlush.h"
#include "ui_frmReflex.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QStyle>

namespace reflex {

frmReflex::frmReflex(AppState& state, const Platform& platform,
                     std::function<void()> writeRecoveryFile, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , pressStamper_(platform.clock)
    , ui(std::make_unique<Ui::frmReflex>())
    , engine_(state, platform, *this, std::move(writeRecoveryFile))
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->cmdStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    ui->cmdStop->setIconSize(QSize(24, 24));
    ui->pnlShowSpeaker->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(32, 32));
    ui->lblLogo->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(36, 36));
    ui->pnlInsideFrame->setAutoFillBackground(true);

    connect(ui->cmdStart, &QPushButton::clicked, this, [this] { engine_.start(); });
    connect(ui->cmdStop, &QPushButton::clicked, this, [this] { engine_.stop(); });
    connect(ui->cmdNextSet, &QPushButton::clicked, this, [this] { engine_.nextSet(); });
    connect(ui->cmdPreviousSet, &QPushButton::clicked, this, [this] { engine_.previousSet(); });
    connect(ui->CmdClearSet, &QPushButton::clicked, this, [this] { engine_.clearSet(); });
    connect(ui->txtSetComment, &QLineEdit::textChanged, this,
            [this](const QString& text) { engine_.commentEdited(text); });
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmReflex::done);
    connect(ui->cmdConfigure, &QPushButton::clicked, this, &frmReflex::optionsRequested);
    connect(ui->cmdDisplay, &QPushButton::clicked, this, [this] {
        engine_.storeComment();
        emit displayRequested();
    });
    engine_.initialise();
}

frmReflex::~frmReflex() = default;

void frmReflex::render()
{
    const SimpleTestDisplay& d = engine_.display();
    ui->lblVersion->setText(d.lblVersion);
    ui->lblTriggerLable->setText(d.lblTriggerLable);
    ui->lblTimeNumber->setText(d.lblTimeNumber);
    ui->lblPreviousTimeNumber->setText(d.lblPreviousTimeNumber);
    ui->lblDifferenceNumber->setText(d.lblDifferenceNumber);
    ui->lblAverageTimeNumber->setText(d.lblAverageTimeNumber);
    ui->lblRunCountNumber->setText(d.lblRunCountNumber);
    ui->txtSetIndicator->setText(d.txtSetIndicator);
    ui->txtSetIndicator->setEnabled(d.txtSetIndicatorEnabled);
    if (ui->txtSetComment->text() != d.txtSetComment)
        ui->txtSetComment->setText(d.txtSetComment);

    QPalette pal = ui->pnlInsideFrame->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(d.panelColor));
    ui->pnlInsideFrame->setPalette(pal);
    ui->pnlShowSpeaker->setVisible(d.speakerVisible);

    ui->cmdStart->setEnabled(d.cmdStart);
    ui->cmdStop->setEnabled(d.cmdStop);
    ui->cmdConfigure->setEnabled(d.cmdConfigure && optionsWired_);
    ui->CmdClearSet->setEnabled(d.CmdClearSet);
    ui->cmdNextSet->setEnabled(d.cmdNextSet);
    ui->cmdPreviousSet->setEnabled(d.cmdPreviousSet);
    ui->cmdDisplay->setEnabled(d.cmdDisplay && displayWired_);
    ui->cmdExit->setEnabled(d.cmdExit);
    if (d.cmdStart && isVisible() && !ui->cmdStart->hasFocus() && !ui->txtSetComment->hasFocus())
        ui->cmdStart->setFocus();
}

void frmReflex::presentStimulus()
{
    render();
    presented_ = presentNow(ui->pnlInsideFrame, platform_.clock);
}

QPoint frmReflex::leftTargetCentre() const
{
    return ui->Shape8->mapToGlobal(ui->Shape8->rect().center());
}

void frmReflex::mousePressEvent(QMouseEvent* event)
{
    // Stamp before anything else: the handler's own work is not the student's time.
    const std::int64_t stamp = platform_.clock.nowNs();
    if (childAt(event->position().toPoint()))
        return; // labels and panels take the press themselves
    engine_.press(pressStamper_.stamp(stamp, *event));
}

void frmReflex::done()
{
    engine_.storeComment();
    emit doneRequested();
}

void frmReflex::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous() && engine_.display().cmdExit)
        done();
}

void frmReflex::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (ui->cmdStart->isEnabled())
        ui->cmdStart->setFocus();
}

} // namespace reflex
