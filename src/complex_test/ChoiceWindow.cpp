#include "complex_test/ChoiceWindow.h"
#include "complex_test/SoundIcon.h"
#include "platform/ScreenFlush.h"
#include "shared/Palette.h"
#include "ui_frmColorReflex.h"
#include "ui_frmNumberReflex.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace reflex {

namespace {

constexpr int kIconSize = 32;
const QRgb kWhite = paletteColour(15);

template <typename T>
T* control(QWidget* window, const char* name)
{
    T* c = window->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("the form has no control %s", name);
    return c;
}

} // namespace

ChoiceWindow::ChoiceWindow(ChoiceTest test, AppState& state, const Platform& platform,
                           RandomSource& random, std::function<void()> writeRecoveryFile,
                           QWidget* parent)
    : TestWindow(platform.clock, parent)
    , state_(state)
    , platform_(platform)
    , engine_(test, state, platform, random, *this, std::move(writeRecoveryFile))
{
}

ChoiceWindow::~ChoiceWindow() = default;

void ChoiceWindow::setBackground(QWidget* w, QRgb colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colour));
    w->setPalette(pal);
}

void ChoiceWindow::bindControls()
{
    setFixedSize(size());
    txtInsideFrame = control<QLabel>(this, "txtInsideFrame");
    txtTriggerOnDisplay = control<QLabel>(this, "txtTriggerOnDisplay");
    picTriggerOnDisplay = control<QLabel>(this, "picTriggerOnDisplay");
    txtSetComment = control<QLineEdit>(this, "txtSetComment");
    Shape12_0 = control<QWidget>(this, "Shape12_0");
    cmdStart = control<QPushButton>(this, "cmdStart");

    // The display box is a disabled box: a press on it is a press on the window. Its text is
    // drawn in full black although it is disabled.
    txtInsideFrame->setEnabled(false);
    txtInsideFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel* box : {txtInsideFrame, txtTriggerOnDisplay}) {
        box->setAutoFillBackground(true);
        QPalette pal = box->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::WindowText, Qt::black);
        pal.setColor(QPalette::Window, QColor::fromRgb(kWhite));
        box->setPalette(pal);
    }

    auto* cmdStop = control<QPushButton>(this, "cmdStop");
    cmdStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    cmdStop->setIconSize(QSize(24, 24));
    control<QLabel>(this, "lblLogo")->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(36, 36));

    auto button = [this](const char* name) { return control<QPushButton>(this, name); };
    connect(cmdStart, &QPushButton::clicked, this, [this] { engine_.start(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { engine_.stop(); });
    connect(button("cmdNextSet"), &QPushButton::clicked, this, [this] { engine_.nextSet(); });
    connect(button("cmdPreviousSet"), &QPushButton::clicked, this, [this] { engine_.previousSet(); });
    connect(button("CmdClearSet"), &QPushButton::clicked, this, [this] { engine_.clearSet(); });
    connect(button("cmdExit"), &QPushButton::clicked, this, &ChoiceWindow::done);
    connect(button("cmdConfigure"), &QPushButton::clicked, this, &ChoiceWindow::optionsRequested);
    connect(button("cmdDisplay"), &QPushButton::clicked, this, [this] {
        engine_.storeComment();
        emit displayRequested();
    });
    connect(txtSetComment, &QLineEdit::textChanged, this,
            [this](const QString& text) { engine_.commentEdited(text); });
}

void ChoiceWindow::render()
{
    const ChoiceTestDisplay& d = engine_.display();
    const std::pair<const char*, const QString*> texts[] = {
        {"lblVersion", &d.lblVersion},
        {"lblTimeNumber", &d.lblTimeNumber},
        {"lblPreviousTimeNumber", &d.lblPreviousTimeNumber},
        {"lblDifferenceNumber", &d.lblDifferenceNumber},
        {"lblAverageTimeNumber", &d.lblAverageTimeNumber},
        {"lblRunCountNumber", &d.lblRunCountNumber},
        {"lblCorrectHits", &d.lblCorrectHits},
        {"lblInCorrectHits", &d.lblInCorrectHits},
        {"lblCorrectMisses", &d.lblCorrectMisses},
        {"lblMissedHits", &d.lblMissedHits},
        {"txtSetIndicator", &d.txtSetIndicator},
    };
    for (const auto& [name, text] : texts)
        control<QLabel>(this, name)->setText(*text);
    control<QLabel>(this, "txtSetIndicator")->setEnabled(d.txtSetIndicatorEnabled);
    if (txtSetComment->text() != d.txtSetComment)
        txtSetComment->setText(d.txtSetComment);
    txtSetComment->setEnabled(d.txtSetCommentEnabled);

    showElement(txtInsideFrame, d.element);
    showTrigger(txtTriggerOnDisplay, d.triggerElement);
    if (iconShowsSound_ != d.triggerWithSound) {
        iconShowsSound_ = d.triggerWithSound;
        picTriggerOnDisplay->setPixmap(soundIcon(d.triggerWithSound, state_.StartDirectory, kIconSize));
        const QString says = d.triggerWithSound ? QStringLiteral("With Sound") : QStringLiteral("No Sound");
        picTriggerOnDisplay->setAccessibleName(says);
        picTriggerOnDisplay->setToolTip(says);
    }

    const std::pair<const char*, bool> buttons[] = {
        {"cmdStart", d.cmdStart},
        {"cmdStop", d.cmdStop},
        {"cmdDisplay", d.cmdDisplay && displayWired()},
        {"cmdPreviousSet", d.cmdPreviousSet},
        {"cmdNextSet", d.cmdNextSet},
        {"CmdClearSet", d.CmdClearSet},
        {"cmdConfigure", d.cmdConfigure && optionsWired()},
        {"cmdExit", d.cmdExit},
    };
    for (const auto& [name, enabled] : buttons)
        control<QPushButton>(this, name)->setEnabled(enabled);
    if (d.cmdStart && isVisible() && !cmdStart->hasFocus() && !txtSetComment->hasFocus())
        cmdStart->setFocus();
}

Presentation ChoiceWindow::presentElement()
{
    showElement(txtInsideFrame, engine_.display().element);
    return presentNow(txtInsideFrame, platform_.clock);
}

QPoint ChoiceWindow::leftTargetCentre() const
{
    return Shape12_0->mapToGlobal(Shape12_0->rect().center());
}

QWidget* ChoiceWindow::startButton() const
{
    return cmdStart;
}

frmColorReflex::frmColorReflex(AppState& state, const Platform& platform, RandomSource& random,
                               std::function<void()> writeRecoveryFile, QWidget* parent)
    : ChoiceWindow(ChoiceTest::Color, state, platform, random, std::move(writeRecoveryFile), parent)
{
    Ui::frmColorReflex().setupUi(this);
    bindControls();
    findChild<QLineEdit*>(QStringLiteral("txtSetComment"))->installEventFilter(this);
    engine().initialise();
}

void frmColorReflex::showElement(QLabel* box, std::optional<qint16> element)
{
    setBackground(box, element ? paletteColour(*element) : kWhite);
}

void frmColorReflex::showTrigger(QLabel* box, qint16 element)
{
    setBackground(box, paletteColour(element));
}

// The colour window keeps the comment as soon as its box loses the focus.
bool frmColorReflex::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        engine().storeComment();
    return ChoiceWindow::eventFilter(watched, event);
}

frmNumberReflex::frmNumberReflex(AppState& state, const Platform& platform, RandomSource& random,
                                 std::function<void()> writeRecoveryFile, QWidget* parent)
    : ChoiceWindow(ChoiceTest::Number, state, platform, random, std::move(writeRecoveryFile), parent)
{
    Ui::frmNumberReflex().setupUi(this);
    bindControls();
    engine().initialise();
}

void frmNumberReflex::showElement(QLabel* box, std::optional<qint16> element)
{
    box->setText(element ? ChoiceEngine::withSignPosition(*element) : QStringLiteral(" "));
}

void frmNumberReflex::showTrigger(QLabel* box, qint16 element)
{
    box->setText(ChoiceEngine::withSignPosition(element));
}

} // namespace reflex
