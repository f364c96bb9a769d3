#include "FuzzChecks.h"
#include "shared/ValueCodec.h"

#include <cstdio>
#include <cstdlib>

namespace brevane::fuzz {

void require(bool holds, const char* promise)
{
    if (!holds)
        std::fprintf(stderr, "broken promise: %s\n", promise), std::abort();
}

QByteArray written(const std::function<bool(QIODevice&)>& write)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    require(write(out), "a writer refused a memory buffer");
    return out.data();
}

bool changedOnlyAtReadLines(const QByteArray& before, const QByteArray& after, const QByteArray& input)
{
    // Lines as the value reader splits them: at LF, one CR before it dropped.
    const auto lines = [](const QByteArray& bytes) {
        QList<QByteArray> out = bytes.split('\n');
        if (out.size() > 1 && out.last().isEmpty())
            out.removeLast();
        for (QByteArray& line : out)
            line.endsWith('\r') ? line.chop(1) : void();
        return out;
    };
    const QList<QByteArray> was = lines(before), is = lines(after), in = lines(input);
    for (qsizetype i = 0; i < is.size() && was.size() == is.size(); ++i) {
        if (was[i] == is[i])
            continue;
        if (i >= in.size())
            return false;
        // The line's value as the writer puts it, in whichever type it was read as.
        const QString text = decodeLine(in[i]), out = QString::fromUtf8(is[i]);
        const auto s = parseString(text);
        const auto f = parseSingle(text);
        const auto n = parseInteger(text);
        if (!(s && formatString(*s) == out) && !(f && formatSingle(*f) == out) && !(n && formatInteger(*n) == out))
            return false;
    }
    return was.size() == is.size();
}

} // namespace brevane::fuzz
