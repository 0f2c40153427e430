// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// What a screen reader says of a chart, which it cannot look at.
struct TDescribedSeries {
    std::string Name;
    size_t Points = 0;
    std::optional<std::string> Last;  // the last point's value as the marks show it
};

struct TDescribedAxis {
    std::string Title;
    std::string From;
    std::string To;
};

// "Reads: 7 points, last 1.00Kbyte/s. … Points 0 to 6; Transfer rate 0 to
// 2.00Kbyte/s.": each series with its number of points and last value, then
// the range each axis shows (the points first), in the window's language.
std::string ChartDescription(const std::vector<TDescribedSeries>& series, const TDescribedAxis& points,
                             const std::vector<TDescribedAxis>& valueAxes, bool german);

}  // namespace kellvar
