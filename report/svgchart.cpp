// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgchart.h"

#include "htmlpage.h"

#include "core/axisticks.h"
#include "core/chartlabels.h"
#include "history/chartdescription.h"
#include "history/chartspecs.h"
#include "lang/wordings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kellvar {

namespace {

// The picture's own coordinates; the page scales it to its width.
constexpr double Width = 720;
constexpr double Height = 300;
constexpr double LegendWidth = 112;
constexpr double PlotTop = 34;
constexpr double PlotBottom = Height - 28;
// Room for a rotated axis title beside its labels, and the width of a
// label's character at the picture's font size, a little more than most.
constexpr double AxisTitleRoom = 24;
constexpr double LabelCharWidth = 7.2;

// A coordinate in tenths of a unit, more than any screen shows; made without
// printf, since a page's lines have thousands of them. At most 24 bytes.
// std::llround without the library call, rounding halves away from zero:
// below 2^52 the part after the point is taken off exactly.
long long Rounded(double value)
{
    if (!(std::fabs(value) < 4503599627370496.0))  // NaN too
        return std::llround(value);
    const auto whole = static_cast<long long>(value);
    const double rest = value - static_cast<double>(whole);
    return whole + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

char* WriteNumber(char* out, double value)
{
    const long long tenths = Rounded(value * 10);
    if (tenths < 0)
        *out++ = '-';
    const unsigned long long magnitude =
        tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
    out = std::to_chars(out, out + 20, magnitude / 10).ptr;
    *out++ = '.';
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

std::string Number(double value)
{
    char text[24];
    return {text, WriteNumber(text, value)};
}

// "#rrggbb"; the chart colours and their mixtures keep each channel in 0..255.
std::string Hex(TRgb c)
{
    constexpr std::string_view Digits = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {c.Red, c.Green, c.Blue}) {
        text += Digits[static_cast<size_t>(channel >> 4 & 15)];
        text += Digits[static_cast<size_t>(channel & 15)];
    }
    return text;
}

// A line's colour, and as a dark page draws it: lightened just enough to
// stand out 3:1 from the dark plot, as the window's dark palette does.
std::string LineColours(const char* attribute, TRgb colour)
{
    return std::string(" ") + attribute + "=\"" + Hex(colour)
           + "\" style=\"--dark:" + Hex(ReadableOn(colour, DarkChartGround, LineContrast)) + "\"";
}

// One value axis: where its values go on the page and how they are labelled.
struct TScale {
    TAxisTicks Ticks;
    TAxisUnit Unit;
    double From = 0;  // page coordinate of Ticks.Low
    double To = 1;    // page coordinate of Ticks.High

    double At(double value) const
    {
        const double span = Ticks.High - Ticks.Low;
        return From + (value / Unit.Divisor - Ticks.Low) / (span > 0 ? span : 1) * (To - From);
    }
};

// As the window sets its axes: from 0 (or a lower value) to the data's end,
// widened to whole round steps of the prefix the largest value takes.
TScale ValueScale(const TSvgChart& chart, bool right, std::string_view unit)
{
    double low = 0, high = 0;
    bool any = false;
    for (const TSvgLine& line : chart.Lines)
        for (const TPlotPoint& p : line.Points)
            if (line.RightAxis == right) {
                low = any ? std::min(low, p.Y) : p.Y;
                high = any ? std::max(high, p.Y) : p.Y;
                any = true;
            }
    TScale scale;
    scale.Unit = AxisUnit(std::max(std::abs(low), std::abs(high)), unit);
    scale.Ticks =
        RoundTicks(std::min(0.0, low / scale.Unit.Divisor), high / scale.Unit.Divisor, ChartTargetTicks, false);
    scale.From = PlotBottom;
    scale.To = PlotTop;
    return scale;
}

std::string TickText(double value, const TAxisTicks& ticks, std::string_view suffix, std::string_view separator)
{
    // printf's "%.*f", without printf's locale and format parsing.
    std::array<char, 400> text{};
    char* end = std::to_chars(text.data(), text.data() + text.size(), std::abs(value) < 1e-9 ? 0.0 : value,
                              std::chars_format::fixed, ticks.Decimals)
                    .ptr;
    std::string shown(text.data(), end);
    if (const size_t point = shown.find('.'); point != std::string::npos)
        shown.replace(point, 1, separator);
    return shown + std::string(suffix);
}

// The ticks' values from low to high; a step never below the range's size
// over a hundred keeps the count small whatever the rounding.
std::vector<double> TickValues(const TAxisTicks& ticks)
{
    std::vector<double> values;
    const double step = std::max(ticks.Step, (ticks.High - ticks.Low) / 100);
    for (double v = std::ceil(ticks.Low / step - 1e-9) * step; v <= ticks.High + step * 1e-9; v += step)
        values.push_back(v);
    return values;
}

std::string Text(double x, double y, std::string_view anchor, std::string_view text, std::string_view extra = {})
{
    // Appended in place: a page's charts have hundreds of labels.
    std::string svg = "<text x=\"";
    svg += Number(x);
    svg += "\" y=\"";
    svg += Number(y);
    svg += "\" text-anchor=\"";
    svg += anchor;
    svg += '"';
    svg += extra;
    svg += '>';
    AppendHtmlEscaped(svg, text);
    svg += "</text>";
    return svg;
}

// As the window describes its charts: each line with its points and last
// value, then the range of each axis.
std::string Description(const TSvgChart& chart, const TAxisTicks& x, const TScale& left, const TScale* right,
                        std::string_view separator)
{
    const auto value = [&](double v, bool onRight) {
        return ValueMarkText(v, onRight ? chart.RightUnit : chart.Unit, separator);
    };
    std::vector<TDescribedSeries> series;
    for (const TSvgLine& line : chart.Lines)
        series.push_back(
            {line.Title, line.Points.size(),
             line.Points.empty() ? std::nullopt : std::optional(value(line.Points.back().Y, line.RightAxis))});
    const auto xText = [&](double v) {
        const long whole = std::lround(v);
        return !chart.XLabels.empty() && whole >= 0 && static_cast<size_t>(whole) < chart.XLabels.size()
                   ? chart.XLabels[static_cast<size_t>(whole)]
                   : std::to_string(whole);
    };
    const auto range = [&](const std::string& title, const TScale& scale, bool onRight) {
        return TDescribedAxis{title, value(scale.Ticks.Low * scale.Unit.Divisor, onRight),
                              value(scale.Ticks.High * scale.Unit.Divisor, onRight)};
    };
    std::vector<TDescribedAxis> valueAxes{range(chart.LeftTitle, left, false)};
    if (right != nullptr)
        valueAxes.push_back(range(chart.RightTitle, *right, true));
    // Named points are told by the first and last name, not by the axis's
    // round end past the last point.
    const double last =
        chart.XLabels.empty() ? x.High : std::min(x.High, static_cast<double>(chart.XLabels.size() - 1));
    const TDescribedAxis points{std::string(Wording(TWording::Points, chart.German)), xText(std::max(0.0, x.Low)),
                                xText(last)};
    return ChartDescription(series, points, valueAxes, chart.German);
}

}  // namespace

std::string SvgChartDarkStyle()
{
    const std::string ground = Hex(DarkChartGround);
    return "svg.chart { background: " + ground + "; }\nsvg.chart .plot { fill: " + ground
           + "; }\nsvg.chart text { fill: #eeeeee; }\nsvg.chart .frame { stroke: #aaaaaa; }\nsvg.chart .grid line { "
             "stroke: #444444; }\n"
             "svg.chart .wall { fill: "
           + Hex(DarkLeftWallColour)
           + "; }\nsvg.chart polyline, svg.chart line[style] { stroke: var(--dark); }\nsvg.chart circle { fill: "
             "var(--dark); }\n";
}

std::string SvgChartElement(const TSvgChart& chart, std::string_view id, std::string_view separator)
{
    const bool rightAxis =
        std::any_of(chart.Lines.begin(), chart.Lines.end(), [](const TSvgLine& l) { return l.RightAxis; });
    size_t count = 0;
    for (const TSvgLine& line : chart.Lines)
        count = std::max(count, line.Points.size());
    // A single point stands in the middle, clear of the left wall.
    const TAxisTicks xTicks =
        count == 1 ? RoundTicks(-1, 1, ChartTargetTicks, true)
                   : RoundTicks(0, std::max(1.0, static_cast<double>(count) - 1), ChartTargetTicks, true);
    const TScale left = ValueScale(chart, false, chart.Unit);
    const TScale right = ValueScale(chart, true, chart.RightUnit);
    // The axes take the room their widest labels need.
    const auto labelRoom = [&](const TScale& scale) {
        size_t widest = 0;
        for (const double v : TickValues(scale.Ticks))
            widest = std::max(widest, TickText(v, scale.Ticks, scale.Unit.Suffix, separator).size());
        return static_cast<double>(widest) * LabelCharWidth;
    };
    const double plotLeft = AxisTitleRoom + labelRoom(left) + 4 + LeftWallWidth;
    const double rightAxisRoom = 5 + labelRoom(right) + AxisTitleRoom;
    const double plotRight = Width - LegendWidth - (rightAxis ? rightAxisRoom : 16);
    const auto xAt = [&](double x) {
        return plotLeft + (x - xTicks.Low) / (xTicks.High - xTicks.Low) * (plotRight - plotLeft);
    };

    const std::string ids(id);
    std::string svg = "<svg class=\"chart\" viewBox=\"0 0 " + Number(Width) + " " + Number(Height)
                      + "\" role=\"img\" aria-labelledby=\"" + ids + "-t " + ids + "-d\">";
    svg += "<title id=\"" + ids + "-t\">" + HtmlEscaped(chart.Title) + "</title>";
    svg += "<desc id=\"" + ids + "-d\">"
           + HtmlEscaped(Description(chart, xTicks, left, rightAxis ? &right : nullptr, separator)) + "</desc>";
    svg += Text(Width / 2, 18, "middle", chart.Title, " class=\"title\"");

    // The plot's ground, the left wall, the grid of the left axis and the frame.
    svg += "<rect class=\"plot\" x=\"" + Number(plotLeft) + "\" y=\"" + Number(PlotTop) + "\" width=\""
           + Number(plotRight - plotLeft) + "\" height=\"" + Number(PlotBottom - PlotTop) + "\"/>";
    svg += "<rect x=\"" + Number(plotLeft - LeftWallWidth) + "\" y=\"" + Number(PlotTop) + "\" width=\""
           + Number(LeftWallWidth) + "\" height=\"" + Number(PlotBottom - PlotTop) + "\" class=\"wall\" fill=\""
           + Hex(LeftWallColour) + "\"/>";
    svg += "<g class=\"grid\">";
    for (const double v : TickValues(left.Ticks)) {
        const double y = left.At(v * left.Unit.Divisor);
        svg += "<line x1=\"" + Number(plotLeft) + "\" y1=\"" + Number(y) + "\" x2=\"" + Number(plotRight) + "\" y2=\""
               + Number(y) + "\"/>";
    }
    svg += "</g><g class=\"labels\">";
    for (const double v : TickValues(left.Ticks))
        svg += Text(plotLeft - LeftWallWidth - 4, left.At(v * left.Unit.Divisor) + 4, "end",
                    TickText(v, left.Ticks, left.Unit.Suffix, separator));
    if (rightAxis)
        for (const double v : TickValues(right.Ticks))
            svg += Text(plotRight + 5, right.At(v * right.Unit.Divisor) + 4, "start",
                        TickText(v, right.Ticks, right.Unit.Suffix, separator));
    for (const double v : TickValues(xTicks)) {
        const long whole = std::lround(v);
        std::string label = std::to_string(whole);
        if (!chart.XLabels.empty())
            label = whole >= 0 && static_cast<size_t>(whole) < chart.XLabels.size()
                        ? chart.XLabels[static_cast<size_t>(whole)]
                        : std::string();
        svg += Text(xAt(v), PlotBottom + 16, "middle", label);
    }
    const double middle = (PlotTop + PlotBottom) / 2;
    svg += Text(14, middle, "middle", chart.LeftTitle, " transform=\"rotate(-90 14 " + Number(middle) + ")\"");
    if (rightAxis) {
        // A title turned a quarter left stands to the left of its baseline.
        const double x = plotRight + rightAxisRoom - 4;
        svg += Text(x, middle, "middle", chart.RightTitle,
                    " transform=\"rotate(-90 " + Number(x) + " " + Number(middle) + ")\"");
    }
    svg += "</g>";

    // The lines, at most two points per column of the plot.
    const int columns = static_cast<int>(plotRight - plotLeft);
    for (const TSvgLine& line : chart.Lines) {
        const TScale& scale = line.RightAxis ? right : left;
        const std::vector<TPlotPoint> shown = ThinnedForDisplay(line.Points, xTicks.Low, xTicks.High, columns);
        if (shown.size() == 1) {
            svg += "<circle cx=\"" + Number(xAt(shown[0].X)) + "\" cy=\"" + Number(scale.At(shown[0].Y)) + "\" r=\"5\""
                   + LineColours("fill", line.Colour) + "/>";
            continue;
        }
        if (shown.empty())
            continue;
        svg += "<polyline fill=\"none\" stroke-width=\"2\"" + LineColours("stroke", line.Colour) + " points=\"";
        for (const TPlotPoint& p : shown) {
            char point[2 * 24 + 2];
            char* end = WriteNumber(point, xAt(p.X));
            *end++ = ',';
            end = WriteNumber(end, scale.At(p.Y));
            *end++ = ' ';
            svg.append(point, end);
        }
        svg.back() = '"';
        svg += "/>";
    }
    svg += "<rect class=\"frame\" x=\"" + Number(plotLeft) + "\" y=\"" + Number(PlotTop) + "\" width=\""
           + Number(plotRight - plotLeft) + "\" height=\"" + Number(PlotBottom - PlotTop) + "\"/>";

    // The legend, a line of colour before each title.
    const double legendLeft = Width - LegendWidth + 6;
    double y = PlotTop + 10;
    for (const TSvgLine& line : chart.Lines) {
        svg += "<line x1=\"" + Number(legendLeft) + "\" y1=\"" + Number(y - 4) + "\" x2=\"" + Number(legendLeft + 18)
               + "\" y2=\"" + Number(y - 4) + "\" stroke-width=\"3\"" + LineColours("stroke", line.Colour) + "/>";
        svg += Text(legendLeft + 24, y, "start", line.Title);
        y += 18;
    }
    svg += "</svg>";
    return svg;
}

}  // namespace kellvar
