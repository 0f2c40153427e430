// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/chartpoints.h"
#include "history/contrast.h"

#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

struct TSvgLine {
    std::string Title;
    TRgb Colour;
    bool RightAxis = false;
    std::vector<TPlotPoint> Points;  // x ascending
};

// A line chart as the window draws it: a title, the legend on the right, a
// left and (for lines on it) a right value axis of one unit, the left wall.
struct TSvgChart {
    std::string Title;
    std::string LeftTitle;
    std::string RightTitle;
    // "byte" or "byte/s" labels a value axis with binary prefixes.
    std::string_view Unit;
    std::string_view RightUnit;
    // The label of each whole x; without them the x axis counts points.
    std::vector<std::string> XLabels;
    std::vector<TSvgLine> Lines;
    // The language of what a screen reader is told of the chart.
    bool German = false;
};

// The charts' colours on a dark page, for the style sheet: ground, texts,
// frame, grid and wall; each line carries its own (--dark).
std::string SvgChartDarkStyle();

// The chart as an <svg> element for an HTML page, on ids starting with id.
// The picture scales with the page; lines keep at most two points per
// column of its width.
std::string SvgChartElement(const TSvgChart& chart, std::string_view id, std::string_view decimalSeparator);

}  // namespace kellvar
