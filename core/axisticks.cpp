// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisticks.h"

#include <algorithm>
#include <cmath>

namespace kellvar {

TAxisTicks RoundTicks(double low, double high, int targetTicks, bool wholeNumbers)
{
    if (!(high > low))
        high = low + 1;
    // The round step nearest to an even division, measured by ratio.
    const double rough = (high - low) / std::max(1, targetTicks);
    const int magnitude = static_cast<int>(std::floor(std::log10(rough)));
    double step = 0;
    int exponent = 0;
    for (int e = magnitude - 1; e <= magnitude + 1; ++e)
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double candidate = factor * std::pow(10.0, e);
            if (step == 0 || std::abs(std::log(candidate / rough)) < std::abs(std::log(step / rough))) {
                step = candidate;
                exponent = e;
            }
        }
    if (wholeNumbers && step < 1) {
        step = 1;
        exponent = 0;
    }
    TAxisTicks ticks;
    ticks.Step = step;
    ticks.Decimals = std::max(0, -exponent);
    // A hair of tolerance keeps a value that is a whole step from reaching one further.
    const double tolerance = step * 1e-9;
    ticks.Low = std::floor(low / step + tolerance) * step;
    ticks.High = std::ceil(high / step - tolerance) * step;
    if (ticks.High <= ticks.Low)
        ticks.High = ticks.Low + step;
    return ticks;
}

}  // namespace kellvar
