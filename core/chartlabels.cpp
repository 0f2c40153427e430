// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartlabels.h"

#include "formatting.h"

#include <cmath>

namespace kellvar {

std::string ValueMarkText(double value, std::string_view unit, std::string_view decimalSeparator)
{
    if (unit.empty())
        return FloatText(static_cast<double>(RoundHalfEven(value * 100.0L)) / 100, decimalSeparator);
    return FormatPrefixed(100, value, decimalSeparator) + std::string(unit);
}

TAxisUnit AxisUnit(double high, std::string_view unit)
{
    const TBinaryPrefix prefix = unit.empty() ? TBinaryPrefix{} : BinaryPrefix(high);
    if (prefix.Letter == 0)
        return {};
    return {prefix.Unit, prefix.Letter + std::string(unit)};
}

size_t MarkStep(size_t visiblePoints, double plotWidth, double markWidth)
{
    const double fitting = std::max(1.0, std::floor(plotWidth / std::max(1.0, markWidth)));
    return std::max<size_t>(1, static_cast<size_t>(std::ceil(static_cast<double>(visiblePoints) / fitting)));
}

}  // namespace kellvar
