#include "shared/Formats.h"

#include <QLocale>
#include <cstdlib>

namespace brevane {

QString formatSeconds(float seconds)
{
    // The language's decimal mark (German "0,234"); the C locale, and so "0.234", in English.
    return QLocale().toString(double(seconds), 'f', 3);
}

QString formatCount(int count, int digits)
{
    return (count < 0 ? QStringLiteral("-") : QString()) +
           QString::number(std::abs(count)).rightJustified(digits, u'0');
}

QString withSignPosition(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace brevane
