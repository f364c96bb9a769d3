#include "simple_test/frmReflex.h"
#include "platform/ScreenFlush.h"
#include "ui_frmReflex.h"

#include <QStyle>

namespace reflex {

frmReflex::frmReflex(AppState& state, const Platform& platform,
                     std::function<void()> writeRecoveryFile, QWidget* parent)
    : TestWindow(platform.clock, parent)
    , platform_(platform)
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
    ui->cmdConfigure->setEnabled(d.cmdConfigure && optionsWired());
    ui->CmdClearSet->setEnabled(d.CmdClearSet);
    ui->cmdNextSet->setEnabled(d.cmdNextSet);
    ui->cmdPreviousSet->setEnabled(d.cmdPreviousSet);
    ui->cmdDisplay->setEnabled(d.cmdDisplay && displayWired());
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

QWidget* frmReflex::startButton() const
{
    return ui->cmdStart;
}

} // namespace reflex
