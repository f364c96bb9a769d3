#include "shared/AppState.h"

#include <QDateTime>

namespace reflex {

double RandomSource::next()
{
    return engine_() / 4294967296.0; // 32 random bits, never 1.0
}

void RandomSource::reseedFromTimeOfDay()
{
    engine_.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace reflex
