#include "complex_test/ChoiceWindow.h"
#include "complex_test/SoundIcon.h"
#include "shared/Formats.h"
#include "shared/Palette.h"
#include "ui_frmColorReflex.h"
#include "ui_frmNumberReflex.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace brevane {

namespace {

constexpr int kIconSize = 32;
const QRgb kWhite = paletteColour(15);

} // namespace

ChoiceWindow::ChoiceWindow(ChoiceStyle style, const TestDescriptor& test, AppState& state, const Platform& platform,
                           RandomSource& random, std::function<void()> writeRecoveryFile, QWidget* parent)
    : TestWindow(platform, parent)
    , state_(state)
    , engine_(style, test, state, platform, random, *this, std::move(writeRecoveryFile))
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
    bindCommands();
    txtInsideFrame = control<QLabel>("txtInsideFrame");
    txtTriggerOnDisplay = control<QLabel>("txtTriggerOnDisplay");
    picTriggerOnDisplay = control<QLabel>("picTriggerOnDisplay");
    txtSetComment = control<QLineEdit>("txtSetComment");
    counts_ = {control<QLabel>("lblCorrectHits"), control<QLabel>("lblInCorrectHits"),
               control<QLabel>("lblCorrectMisses"), control<QLabel>("lblMissedHits")};
    Shape12_0 = control<QWidget>("Shape12_0");

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
}

void ChoiceWindow::render()
{
    renderCommands();
    const ChoiceTestDisplay& d = engine_.display();
    const QString* counts[] = {&d.lblCorrectHits, &d.lblInCorrectHits, &d.lblCorrectMisses, &d.lblMissedHits};
    for (std::size_t i = 0; i < counts_.size(); ++i)
        counts_[i]->setText(*counts[i]);
    txtSetComment->setEnabled(d.txtSetCommentEnabled);

    showElement(txtInsideFrame, d.element);
    showTrigger(txtTriggerOnDisplay, d.triggerElement);
    if (iconShowsSound_ != d.triggerWithSound) {
        iconShowsSound_ = d.triggerWithSound;
        picTriggerOnDisplay->setPixmap(soundIcon(d.triggerWithSound, state_.StartDirectory, kIconSize));
        const QString says = d.triggerWithSound ? tr("With Sound") : tr("No Sound");
        picTriggerOnDisplay->setAccessibleName(says);
        picTriggerOnDisplay->setToolTip(says);
    }
}

Presentation ChoiceWindow::presentElement()
{
    showElement(txtInsideFrame, engine_.display().element);
    return present(txtInsideFrame);
}

QPoint ChoiceWindow::leftTargetCentre() const
{
    return Shape12_0->mapToGlobal(Shape12_0->rect().center());
}

frmColorReflex::frmColorReflex(const TestDescriptor& test, AppState& state, const Platform& platform,
                               RandomSource& random, std::function<void()> writeRecoveryFile, QWidget* parent)
    : ChoiceWindow(ChoiceStyle::Color, test, state, platform, random, std::move(writeRecoveryFile), parent)
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

frmNumberReflex::frmNumberReflex(const TestDescriptor& test, AppState& state, const Platform& platform,
                                 RandomSource& random, std::function<void()> writeRecoveryFile, QWidget* parent)
    : ChoiceWindow(ChoiceStyle::Number, test, state, platform, random, std::move(writeRecoveryFile), parent)
{
    Ui::frmNumberReflex().setupUi(this);
    bindControls();
    engine().initialise();
}

void frmNumberReflex::showElement(QLabel* box, std::optional<qint16> element)
{
    box->setText(element ? withSignPosition(*element) : QStringLiteral(" "));
}

void frmNumberReflex::showTrigger(QLabel* box, qint16 element)
{
    box->setText(withSignPosition(element));
}

} // namespace brevane
