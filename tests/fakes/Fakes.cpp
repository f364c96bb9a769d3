#include "fakes/Fakes.h"

#include <QFile>
#include <QTest>

namespace reflex::fakes {

bool FakeTimer::fire()
{
    if (!enabled_ || interval_ <= 0 || !onTimer)
        return false;
    onTimer();
    return true;
}

std::unique_ptr<Timer> FakeTimerFactory::createTimer()
{
    auto timer = std::make_unique<FakeTimer>();
    timers.push_back(timer.get());
    return timer;
}

MsgAnswer FakePrompt::ask(const Message& message)
{
    shown.append(message);
    if (message.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok; // OK boxes need no answer from the test
    if (answers.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: %1 / %2")
                                    .arg(message.title, message.text)),
                     __FILE__, __LINE__);
        return message.secondIsDefault ? MsgAnswer::No : MsgAnswer::Yes;
    }
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

QStringList FakePrompt::titles() const
{
    QStringList out;
    for (const Message& m : shown)
        out << m.title;
    return out;
}

std::optional<QString> FakeFileChooser::openFile(const FileDialogRequest& request)
{
    requests.append(request);
    if (answers.empty())
        return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> FakeFileChooser::saveFile(const FileDialogRequest& request)
{
    return openFile(request);
}

} // namespace reflex::fakes

namespace reflex {

char* toString(const Message& m)
{
    return QTest::toString(QStringLiteral("%1 | %2 | buttons %3 | icon %4 | second default %5")
                               .arg(m.title, m.text)
                               .arg(int(m.buttons))
                               .arg(int(m.icon))
                               .arg(m.secondIsDefault));
}

} // namespace reflex

namespace reflex::fakes {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(REFLEX_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        QTest::qFail(qPrintable("cannot read the fixture " + file.fileName()), __FILE__, __LINE__);
    return file.readAll();
}

} // namespace reflex::fakes

namespace reflex::fakes {

QStringList PrintRecord::lines(int document) const
{
    QStringList out;
    bool open = false;
    for (const PrintedText& t : texts) {
        if (t.document != document)
            continue;
        if (open)
            out.last() += u'|' + t.text;
        else
            out << t.text;
        open = !t.lineEnded;
    }
    return out;
}

void RecordingPrinter::print(const QString& text, LineEnd end)
{
    r_.texts.append({text, x_, y_, size_, font_, bold_, end == LineEnd::End, r_.documents});
    x_ = end == LineEnd::End ? 0 : x_ + textWidth(text);
    if (end == LineEnd::End)
        y_ += size_ * 24;
}

} // namespace reflex::fakes
