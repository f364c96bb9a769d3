#include "fakes/Fakes.h"

#include <QFile>
#include <QLocale>
#include <csignal>
#include <sys/resource.h>

namespace {
// The program shows numbers in the C locale while it speaks English (shared/Language.h); the tests
// see them so whatever the machine's locale.
const bool kCLocale = (QLocale::setDefault(QLocale::c()), true);
} // namespace

char* brevane::toString(const Message& m)
{
    return QTest::toString(QStringLiteral("%1 | %2 | buttons %3 | icon %4 | second default %5 | %6")
                               .arg(m.title, m.text)
                               .arg(int(m.buttons))
                               .arg(int(m.icon))
                               .arg(m.secondIsDefault)
                               .arg(m.detail));
}

QByteArray brevane::fakes::fixture(const char* name)
{
    QFile file(QStringLiteral(BREVANE_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        QTest::qFail(qPrintable("cannot read the fixture " + file.fileName()), __FILE__, __LINE__);
    return file.readAll();
}

QByteArray brevane::fakes::readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void brevane::fakes::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
}

void brevane::fakes::withDiskFull(const std::function<void()>& work)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not the test
    if (setrlimit(RLIMIT_FSIZE, &small) != 0)
        QTest::qFail("cannot limit the file size", __FILE__, __LINE__);
    work();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

QStringList brevane::fakes::PrintRecord::lines(int document) const
{
    QStringList out;
    bool open = false;
    for (const PrintedText& t : texts) {
        if (t.document != document)
            continue;
        open ? void(out.last() += u'|' + t.text) : void(out << t.text);
        open = !t.lineEnded;
    }
    return out;
}
