#include "shared/TestWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <tuple>

namespace brevane {

TestWindow::TestWindow(const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , clock_(platform.clock)
    , presses_(platform.presses)
    , presenter_(platform.presenter)
{
}

void TestWindow::bindCommands()
{
    setFixedSize(size());
    // The targets, the panels and where the pointer is put stay where they are in every language:
    // in Arabic and Hebrew the texts run right to left, the stimulus geometry does not mirror.
    setLayoutDirection(Qt::LeftToRight);
    auto* cmdStop = control<QPushButton>("cmdStop");
    cmdStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    cmdStop->setIconSize(QSize(24, 24));
    control<QLabel>("lblLogo")->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(36, 36));

    TestEngine& engine = testEngine();
    const std::pair<const char*, void (TestEngine::*)()> commands[] = {{"cmdStart", &TestEngine::start},
                                                                       {"cmdStop", &TestEngine::stop},
                                                                       {"cmdNextSet", &TestEngine::nextSet},
                                                                       {"cmdPreviousSet", &TestEngine::previousSet},
                                                                       {"CmdClearSet", &TestEngine::clearSet}};
    for (const auto& [name, command] : commands)
        connect(control<QPushButton>(name), &QPushButton::clicked, this,
                [&engine, command = command] { (engine.*command)(); });
    connect(control<QPushButton>("cmdExit"), &QPushButton::clicked, this, &TestWindow::done);
    connect(control<QPushButton>("cmdConfigure"), &QPushButton::clicked, this, &TestWindow::optionsRequested);
    connect(control<QPushButton>("cmdDisplay"), &QPushButton::clicked, this, [this, &engine] {
        engine.storeComment();
        emit displayRequested();
    });
    connect(control<QLineEdit>("txtSetComment"), &QLineEdit::textChanged, this,
            [&engine](const QString& text) { engine.commentEdited(text); });

    using D = TestDisplay;
    const std::pair<const char*, const QString D::*> texts[] = {
        {"lblVersion", &D::lblVersion},
        {"lblTimeNumber", &D::lblTimeNumber},
        {"lblPreviousTimeNumber", &D::lblPreviousTimeNumber},
        {"lblDifferenceNumber", &D::lblDifferenceNumber},
        {"lblAverageTimeNumber", &D::lblAverageTimeNumber},
        {"lblRunCountNumber", &D::lblRunCountNumber},
        {"txtSetIndicator", &D::txtSetIndicator},
    };
    for (const auto& [name, text] : texts)
        texts_.push_back({control<QLabel>(name), text});
    const std::tuple<const char*, const bool D::*, const bool*> buttons[] = {
        {"cmdStart", &D::cmdStart, nullptr},
        {"cmdStop", &D::cmdStop, nullptr},
        {"cmdDisplay", &D::cmdDisplay, &displayWired_},
        {"cmdPreviousSet", &D::cmdPreviousSet, nullptr},
        {"cmdNextSet", &D::cmdNextSet, nullptr},
        {"CmdClearSet", &D::CmdClearSet, nullptr},
        {"cmdConfigure", &D::cmdConfigure, &optionsWired_},
        {"cmdExit", &D::cmdExit, nullptr},
    };
    for (const auto& [name, enabled, wired] : buttons)
        commands_.push_back({control<QPushButton>(name), enabled, wired});
    txtSetIndicator_ = control<QLabel>("txtSetIndicator");
    txtSetComment_ = control<QLineEdit>("txtSetComment");
    cmdStart_ = control<QPushButton>("cmdStart");
}

void TestWindow::renderCommands()
{
    if (!cmdStart_)
        return; // not bound yet
    const TestDisplay& d = testEngine().commands();
    for (const ShownText& shown : texts_)
        shown.label->setText(d.*shown.text);
    txtSetIndicator_->setEnabled(d.txtSetIndicatorEnabled);
    if (txtSetComment_->text() != d.txtSetComment)
        txtSetComment_->setText(d.txtSetComment);
    for (const Command& c : commands_)
        c.button->setEnabled(d.*c.enabled && (!c.wired || *c.wired));
    if (d.cmdStart && isVisible() && !cmdStart_->hasFocus() && !txtSetComment_->hasFocus())
        cmdStart_->setFocus();
}

void TestWindow::mousePressEvent(QMouseEvent* event)
{
    // Stamp before anything else: the handler's own work is not the student's time.
    const std::int64_t stamp = clock_.nowNs();
    // The display box and the targets are transparent to the mouse, so they are not found
    // here: a press on them is a press on the window. Every other control takes it.
    if (childAt(event->position().toPoint()))
        return;
    testEngine().press(presses_.stamp(stamp, *event));
}

void TestWindow::done()
{
    testEngine().storeComment();
    emit doneRequested();
}

void TestWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous() && testEngine().commands().cmdExit) // no series running
        done();
}

void TestWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    presses_.listen(true);
    auto* start = control<QPushButton>("cmdStart");
    if (start->isEnabled())
        start->setFocus();
}

void TestWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    presses_.listen(false);
}

TargetOutline::TargetOutline(bool round, QWidget* parent)
    : QWidget(parent)
    , round_(round)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TargetOutline::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, round_);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (round_)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

} // namespace brevane
