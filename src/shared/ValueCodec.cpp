#include "shared/ValueCodec.h"

#include <QIODevice>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <limits>

namespace brevane {

namespace {

constexpr QChar kQuote = u'"';

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

qsizetype skipDigits(QByteArrayView s, qsizetype i)
{
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// [+-] digits [. digits] [E [+-] digits], with digits on at least one side of the period.
// from_chars alone would also take "inf" and "nan" and stop silently before trailing junk.
bool isDecimalNumber(QByteArrayView s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(s, i);
    qsizetype digits = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const qsizetype fracStart = ++i;
        i = skipDigits(s, i);
        digits += i - fracStart;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const qsizetype expStart = i;
        i = skipDigits(s, i);
        if (i == expStart)
            return false;
    }
    return i == s.size();
}

bool isDecimalInteger(QByteArrayView s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    return i < s.size() && skipDigits(s, i) == s.size();
}

// from_chars takes a minus but no plus.
const char* afterPlus(const QByteArray& text)
{
    const char* first = text.constData();
    return *first == '+' ? first + 1 : first;
}

} // namespace

namespace {

QString sevenDigits(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'e', u'E');
    if (text.startsWith(u"0."))
        text.remove(0, 1);
    else if (text.startsWith(u"-0."))
        text.remove(1, 1);
    return text;
}

} // namespace

QString formatSingle(float value)
{
    // Nothing reads "nan" or "inf" back, and one unreadable line stops a whole load; -0 is
    // written as plain 0.
    if (!std::isfinite(value) || value == 0.0f)
        return QStringLiteral("0");
    // Just above some powers of ten the float nearest the seven digits lies below the power
    // (1E+28 reads as 9.9999994E+27, written 9.999999E+27): the form of what is read back is
    // written instead, still within a unit of the seventh digit, so that a file saved, loaded
    // and saved again keeps its bytes.
    QString text = sevenDigits(value);
    for (int settled = 0; settled < 2; ++settled) {
        const std::optional<float> back = parseSingle(text);
        if (!back || *back == value)
            break;
        QString again = sevenDigits(*back);
        if (again == text)
            break;
        value = *back;
        text = std::move(again);
    }
    return text;
}

QString formatInteger(int value)
{
    return QString::number(value);
}

QString formatString(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += kQuote;
    for (const QChar c : value) {
        if (c == kQuote)
            out += u"\"\"";
        else if (c == u'\n')
            out += u"\"n";
        else if (c == u'\r')
            out += u"\"r";
        else
            out += c;
    }
    out += kQuote;
    return out;
}

std::optional<float> parseSingle(QStringView line)
{
    const QByteArray text = line.trimmed().toLatin1();
    if (!isDecimalNumber(text))
        return std::nullopt;
    float value = 0.0f;
    const char* last = text.constData() + text.size();
    const auto result = std::from_chars(afterPlus(text), last, value);
    if (result.ec != std::errc{} || result.ptr != last)
        return std::nullopt;
    return value;
}

std::optional<qint16> parseInteger(QStringView line)
{
    const QByteArray text = line.trimmed().toLatin1();
    if (!isDecimalInteger(text))
        return std::nullopt;
    int value = 0;
    const char* last = text.constData() + text.size();
    const auto result = std::from_chars(afterPlus(text), last, value);
    if (result.ec != std::errc{} || result.ptr != last || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

std::optional<QString> parseString(QStringView line)
{
    if (line.size() < 2 || line.front() != kQuote || line.back() != kQuote)
        return std::nullopt;
    const QStringView inner = line.sliced(1, line.size() - 2);
    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c == kQuote && i + 1 < inner.size()) {
            const QChar next = inner[i + 1];
            if (next == kQuote || next == u'n' || next == u'r') {
                out += next == kQuote ? kQuote : next == u'n' ? QChar(u'\n') : QChar(u'\r');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString decodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

ValueWriter::ValueWriter(QIODevice& device)
    : device_(device)
{
}

void ValueWriter::single(float value)
{
    line(formatSingle(value));
}
void ValueWriter::integer(int value)
{
    line(formatInteger(value));
}
void ValueWriter::string(const QString& value)
{
    line(formatString(value));
}

void ValueWriter::line(const QString& text)
{
    if (!ok_)
        return;
    const QByteArray bytes = text.toUtf8() + "\r\n";
    if (device_.write(bytes) != bytes.size())
        ok_ = false;
}

ValueReader::ValueReader(QIODevice& device)
    : device_(device)
{
}

std::optional<float> ValueReader::single()
{
    const auto line = nextLine();
    return line ? parseSingle(*line) : std::nullopt;
}

std::optional<qint16> ValueReader::integer()
{
    const auto line = nextLine();
    return line ? parseInteger(*line) : std::nullopt;
}

std::optional<QString> ValueReader::string()
{
    const auto line = nextLine();
    return line ? parseString(*line) : std::nullopt;
}

std::optional<QString> ValueReader::nextLine()
{
    if (device_.atEnd())
        return std::nullopt;
    QByteArray bytes = device_.readLine();
    if (bytes.isEmpty()) // a read error; a real line holds at least its line end
        return std::nullopt;
    // Accept a bare LF too: files that went through a Unix tool lose their CRs.
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return decodeLine(bytes);
}

} // namespace brevane
