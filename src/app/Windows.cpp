#include "app/Windows.h"
#include "app/Navigator.h"
#include "app/SessionPlatform.h"
#include "app/TestModules.h"

#include "ui_frmAbout.h"
#include "ui_frmFirst.h"
#include "ui_frmLoadDisplay.h"
#include "ui_frmMain.h"
#include "ui_frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QStyle>
#include <QTimer>
#include <vector>

namespace brevane {

frmFirst::frmFirst(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmFirst>())
{
    ui->setupUi(this);
}

frmFirst::~frmFirst() = default;

frmSplash::frmSplash(const ProgramVersion& version, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmSplash>())
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->lblVersion->setText(version.compact());
}

frmSplash::~frmSplash() = default;

void frmSplash::setProgress(int value)
{
    ui->ProgressBar1->setValue(value);
    ui->ProgressBar1->repaint();
}

void frmSplash::setStatus(const QString& text)
{
    ui->pnlStatus->setText(text);
    ui->pnlStatus->repaint();
}

frmMain::frmMain(const ProgramVersion& version, std::span<const TestModules> tests, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmMain>())
    , version_(version)
{
    ui->setupUi(this);
    int made = 0;
    for (const TestModules& test : tests) {
        QPushButton* b = test.menuButton ? ui.get()->*test.menuButton : makeTestButton(test.test, made++);
        moduleButtons_.emplace_back(b, Destination::testWindow(test.test));
    }
    moduleButtons_.emplace_back(ui->cmdConfigure, Destination::Settings);
    setFixedSize(size());
    for (const auto& [b, destination] : moduleButtons_)
        connect(b, &QPushButton::clicked, this, [this, d = destination] { emit openRequested(d); });
    connect(ui->cmdClearData, &QPushButton::clicked, this, &frmMain::clearDataRequested);
    connect(ui->cmdRecover, &QPushButton::clicked, this, &frmMain::recoverRequested);
    connect(ui->cmdAbout, &QPushButton::clicked, this, &frmMain::aboutRequested);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmMain::exitRequested);
    setAvailable([](Destination) { return false; });
}

frmMain::~frmMain() = default;

// The `index`th test without a button in the form gets one in the columns of the form's test
// buttons, in the rows below Options; each new row moves what lies below it down and the form
// grows. It follows the previous test's button in the tab order, and a screen reader finds it
// by its name, cmd and the test's name, and says its caption.
QPushButton* frmMain::makeTestButton(const TestDescriptor& test, int index)
{
    const QRect first = ui->cmdNormal->geometry();
    const int rowStep = ui->cmdNumbers->y() - first.y();
    const int y = ui->cmdConfigure->y() + rowStep * (1 + index / 2);
    if (index % 2 == 0) {
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->y() >= y)
                w->move(w->x(), w->y() + rowStep);
        resize(width(), height() + rowStep);
    }
    auto* b = new QPushButton(QCoreApplication::translate("frmMain", test.menuCaption), this);
    QString name = QString::fromLatin1(test.name);
    name[0] = name[0].toUpper();
    b->setObjectName(QStringLiteral("cmd") + name);
    b->setAccessibleName(b->text());
    b->setGeometry(QRect({index % 2 == 0 ? first.x() : ui->cmdColors->x(), y}, first.size()));
    if (!moduleButtons_.empty())
        QWidget::setTabOrder(moduleButtons_.back().first, b);
    return b;
}

void frmMain::setAvailable(const std::function<bool(Destination)>& offered)
{
    for (const auto& [button, destination] : moduleButtons_)
        button->setEnabled(offered(destination));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous())
        emit exitRequested();
}

void frmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui->lblVersion->setText(tr("Version %1").arg(version_.dotted()));
    ui->cmdExit->setFocus();
}

frmAbout::frmAbout(const ProgramVersion& version, const QString& displayNotice, QWidget* parent,
                   const QString& machineLine)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    // What this window system and this display cost the measurement, where they cost anything;
    // elsewhere the box keeps no room for the line.
    for (const auto& [label, text] :
         {std::pair{ui->lblSession, waylandLimits(QGuiApplication::platformName())},
          std::pair{ui->lblDisplay, displayNotice}, std::pair{ui->lblMachine, machineLine}}) {
        label->setText(text);
        if (!text.isEmpty())
            continue;
        label->hide();
        const int room = label->height() + 6;
        for (QWidget* below : std::initializer_list<QWidget*>{ui->lblDisplay, ui->lblMachine, ui->lblConfiguration,
                                                              ui->lblLanguage, ui->cmdAboutOk})
            if (below->y() > label->y())
                below->move(below->pos() - QPoint(0, room));
        resize(width(), height() - room);
    }
    setFixedSize(size());
    ui->lblrelease->setText(tr("Release %1").arg(version.dotted()));
    // Where Reflex.cfg and recover.dat are kept: the directory the program started in (the
    // per-user folder for a menu launch), which stays its current directory to the end.
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    ui->lblFolder->setText(ui->lblFolder->fontMetrics().elidedText(folder, Qt::ElideMiddle, ui->lblFolder->width()));
    ui->lblFolder->setToolTip(folder);
    // The program's own icon when main() has set it, as on the menu entry.
    const QIcon logo = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                                           : QApplication::windowIcon();
    ui->picture1->setPixmap(logo.pixmap(48, 48));
    ui->picture2->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(40, 40));
    ui->picture3->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(40, 40));
    connect(ui->cmdAboutOk, &QPushButton::clicked, this, &QDialog::accept);
    Navigator::centre(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::showConfiguration(const QString& inUse)
{
    const QString text = tr("Configuration: %1").arg(inUse);
    ui->lblConfiguration->setText(
        ui->lblConfiguration->fontMetrics().elidedText(text, Qt::ElideMiddle, ui->lblConfiguration->width()));
    ui->lblConfiguration->setToolTip(text);
    ui->lblConfiguration->setAccessibleName(text);
}

frmLoadDisplay::frmLoadDisplay(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmLoadDisplay>())
    , Timer1(new QTimer(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        auto step = std::move(step_);
        step_ = nullptr;
        if (step)
            step();
        hide();
    });
}

frmLoadDisplay::~frmLoadDisplay() = default;

void frmLoadDisplay::run(std::function<void()> loadingStep)
{
    step_ = std::move(loadingStep);
    Navigator::centre(this);
    show();
    repaint();
    Timer1->start();
}

} // namespace brevane
