#include "config/NumberText.h"

#include <QRegularExpression>
#include <cmath>

namespace brevane {

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<double> numberValue(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // C locale: the period is the point
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> roundedNumberIn(const QString& text, int lo, int hi)
{
    const std::optional<double> value = numberValue(text);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfEven(*value);
    if (rounded < lo || rounded > hi)
        return std::nullopt;
    return int(rounded);
}

} // namespace brevane
