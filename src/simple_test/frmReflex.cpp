#include "simple_test/frmReflex.h"
#include "ui_frmReflex.h"

#include <QStyle>

namespace brevane {

frmReflex::frmReflex(AppState& state, const Platform& platform, std::function<void()> writeRecoveryFile,
                     QWidget* parent)
    : TestWindow(platform, parent)
    , ui(std::make_unique<Ui::frmReflex>())
    , engine_(state, platform, *this, std::move(writeRecoveryFile))
{
    ui->setupUi(this);
    bindCommands();
    ui->pnlShowSpeaker->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(32, 32));
    ui->pnlInsideFrame->setAutoFillBackground(true);
    engine_.initialise();
}

frmReflex::~frmReflex() = default;

void frmReflex::render()
{
    renderCommands();
    const SimpleTestDisplay& d = engine_.display();
    ui->lblTriggerLable->setText(d.lblTriggerLable);
    QPalette pal = ui->pnlInsideFrame->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(d.panelColor));
    ui->pnlInsideFrame->setPalette(pal);
    ui->pnlShowSpeaker->setVisible(d.speakerVisible);
}

void frmReflex::presentStimulus()
{
    render();
    presented_ = present(ui->pnlInsideFrame);
}

QPoint frmReflex::leftTargetCentre() const
{
    return ui->Shape8->mapToGlobal(ui->Shape8->rect().center());
}

} // namespace brevane
