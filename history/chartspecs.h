// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/contrast.h"

#include "core/chartpoints.h"

#include <array>
#include <string_view>
#include <vector>

namespace kellvar {

// How one line of a chart is drawn and where its points come from.
struct TLineSpec {
    const char* Name;  // Series1, LineSeries5, ...: names its texts
    TRgb Colour;
    bool RightAxis = false;
    // For a trend: the index of its source line in the chart.
    int TrendOf = -1;
    // For a source line: the series of the analysis it shows.
    TSourceSeries Source = ReadRateSeries;
};

// One of the window's four line charts, named Chart1 to Chart4 as its
// texts are; unit "byte" or "byte/s" labels axes and marks with the
// program's binary prefixes.
struct TLineChartSpec {
    const char* Name;
    std::vector<TLineSpec> Lines;
    std::string_view Unit;
};

inline constexpr TRgb ChartBlue{0, 0, 255};
inline constexpr TRgb ChartRed{255, 0, 0};

// The charts in the order of their pages: rates, dialing, connection, transport.
const std::array<TLineChartSpec, 4>& WindowCharts();

// About this many steps on an axis.
inline constexpr int ChartTargetTicks = 6;

// The strip left of the plot, between the axis labels and the axis.
inline constexpr double LeftWallWidth = 6;
inline constexpr TRgb LeftWallColour{255, 255, 128};
inline constexpr TRgb DarkLeftWallColour{96, 96, 32};
// The plot's ground where a page is dark (the HTML report in a dark browser).
inline constexpr TRgb DarkChartGround{30, 30, 30};

}  // namespace kellvar
