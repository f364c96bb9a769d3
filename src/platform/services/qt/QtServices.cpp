#include "platform/services/qt/QtServices.h"
#include "platform/services/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace brevane {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTimer)
                onTimer();
        });
    }
    void setInterval(int ms) override
    {
        interval_ = ms;
        if (enabled_)
            restart();
    }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override
    {
        if (on == enabled_)
            return;
        enabled_ = on;
        if (on)
            restart();
        else
            timer_.stop();
    }
    bool isEnabled() const override { return enabled_; }

private:
    void restart()
    {
        timer_.stop();
        if (interval_ > 0) // an interval of 0 never fires
            timer_.start(interval_);
    }
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace

std::unique_ptr<Timer> QtTimerFactory::createTimer()
{
    return std::make_unique<QtTimer>();
}

MsgAnswer QtPrompt::ask(const Message& message)
{
    QMessageBox box;
    box.setWindowTitle(message.title.isEmpty() ? QGuiApplication::applicationDisplayName() : message.title);
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(text);
    box.setInformativeText(message.detail);
    switch (message.icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (message.buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.secondIsDefault ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString QtFileChooser::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "Configuration Files (*.cfg)" already names its pattern; Qt reads the one in brackets.
        const QString named = QStringLiteral("(%1)").arg(patterns);
        out << (parts[i].endsWith(named) ? parts[i] : QStringLiteral("%1 %2").arg(parts[i], named));
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

bool isPattern(const QString& name)
{
    return name.contains(u'*') || name.contains(u'?');
}

// A name with a wildcard is a filter, never a file name: a pattern typed into the name field
// narrows the list, as on other desktops, instead of creating a file named "*.cfg".
class FileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        const QString name = chosen.isEmpty() ? QString() : QFileInfo(chosen.constFirst()).fileName();
        if (!isPattern(name))
            return QFileDialog::accept();
        setNameFilter(name);
        selectFile(QString());
    }
};

std::optional<QString> runFileDialog(const FileDialogRequest& r, QFileDialog::AcceptMode mode)
{
    FileDialog dialog(nullptr, r.title, r.initialDir, QtFileChooser::toQtFilter(r.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the same dialog on every desktop
    if (!r.dialogAsksBeforeOverwriting)
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // the caller asks, once, in its own words
    if (!r.defaultExt.isEmpty())
        dialog.setDefaultSuffix(r.defaultExt);
    if (!r.fileName.isEmpty() && !isPattern(r.fileName)) // a preset pattern is the filter's already
        dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtFileChooser::openFile(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileChooser::saveFile(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

void QtPointer::moveTo(QPoint globalPixels)
{
    QCursor::setPos(globalPixels);
}

void QtPointer::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

ScreenMetrics primaryScreenMetrics()
{
    ScreenMetrics m;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        m.widthPx = g.width();
        m.heightPx = g.height();
        if (screen->logicalDotsPerInchX() > 0)
            m.twipsPerPixelX = 1440.0 / screen->logicalDotsPerInchX();
        if (screen->logicalDotsPerInchY() > 0)
            m.twipsPerPixelY = 1440.0 / screen->logicalDotsPerInchY();
    }
    return m;
}

} // namespace brevane
