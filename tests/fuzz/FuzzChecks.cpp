#include "FuzzChecks.h"
#include "shared/ValueCodec.h"

namespace reflex::fuzz {

QList<QByteArray> readerLines(const QByteArray& input)
{
    QList<QByteArray> lines = input.split('\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no line
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

namespace {

// The value a line holds as the writer puts it, in each of the three types it may be read as.
bool holdsWrittenValue(const QByteArray& inputLine, const QByteArray& writtenLine)
{
    const QString text = decodeLine(inputLine);
    const QString out = QString::fromUtf8(writtenLine);
    if (const auto s = parseString(text); s && formatString(*s) == out)
        return true;
    if (const auto f = parseSingle(text); f && formatSingle(*f) == out)
        return true;
    const auto i = parseInteger(text);
    return i && formatInteger(*i) == out;
}

} // namespace

bool changedOnlyAtReadLines(const QByteArray& before, const QByteArray& after, const QByteArray& input)
{
    const QList<QByteArray> was = readerLines(before), is = readerLines(after), in = readerLines(input);
    if (was.size() != is.size())
        return false;
    for (qsizetype i = 0; i < is.size(); ++i)
        if (was[i] != is[i] && (i >= in.size() || !holdsWrittenValue(in[i], is[i])))
            return false;
    return true;
}

} // namespace reflex::fuzz
