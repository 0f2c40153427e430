// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML report's charts and file names, worked out by hand.

#include "history/chartspecs.h"
#include "report/htmlreport.h"
#include "report/svgchart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kellvar {
namespace {

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The x and y of each point of the picture's first line.
std::vector<std::pair<double, double>> FirstLinesPoints(const std::string& svg)
{
    const size_t from = svg.find("points=\"") + 8;
    std::string list = svg.substr(from, svg.find('"', from) - from);
    std::replace(list.begin(), list.end(), ',', ' ');
    std::istringstream numbers(list);
    std::vector<std::pair<double, double>> points;
    for (double x = 0, y = 0; numbers >> x >> y;)
        points.emplace_back(x, y);
    return points;
}

TEST(SvgChart, AxesAsTheWindowLabelsThemAndTextsEscaped)
{
    TSvgChart chart;
    chart.Title = "Rates <&> \"per\" day";
    chart.LeftTitle = "Receive";
    chart.Unit = "byte/s";
    chart.Lines = {{"Receive", {0, 0, 255}, false, {{0, 20480}, {1, 61440}, {2, 51300}}}};
    const std::string svg = SvgChartElement(chart, "c1", ",");
    EXPECT_NE(svg.find("<title id=\"c1-t\">Rates &lt;&amp;&gt; &quot;per&quot; day</title>"), std::string::npos);
    // 60 Kbyte/s at most: 0 to 60 Kbyte/s in steps of 10.
    EXPECT_NE(svg.find(">10Kbyte/s</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">60Kbyte/s</text>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find(">70Kbyte/s</text>"), std::string::npos) << svg;
    // Points 0 to 2, every whole one labelled.
    EXPECT_NE(svg.find(">2</text>"), std::string::npos);
    EXPECT_EQ(Count(svg, "<polyline"), 1u);
    // The largest value, 60 Kbyte/s, is the axis's top: the plot's top edge.
    const size_t plot = svg.find("<rect class=\"plot\" x=\"");
    const double top = std::stod(svg.substr(svg.find("y=\"", plot) + 3));
    const std::vector<std::pair<double, double>> points = FirstLinesPoints(svg);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_NEAR(points[1].second, top, 0.1);
    // 51300 / 1024 = 50.098 in hundredths, with the decimal comma.
    EXPECT_NE(svg.find("Receive: 3 points, last 50,1Kbyte/s."), std::string::npos) << svg;
}

TEST(SvgChart, NamedPointsAreToldByTheirFirstAndLastName)
{
    // Ten months: the axis runs on to 10 in steps of 2, past the last month.
    TSvgChart chart;
    TSvgLine line{"Costs", {0, 0, 255}, false, {}};
    for (int month = 1; month <= 10; ++month) {
        chart.XLabels.push_back("2000-" + std::string(month < 10 ? "0" : "") + std::to_string(month));
        line.Points.push_back({static_cast<double>(month - 1), 1.0});
    }
    chart.Lines = {line};
    const std::string svg = SvgChartElement(chart, "c4", ".");
    EXPECT_NE(svg.find("Points 2000-01 to 2000-10"), std::string::npos) << svg;
}

TEST(SvgChart, OnADarkPageEveryLineStandsOut3To1AndKeepsItsColourOnALightOne)
{
    TSvgChart chart;
    chart.Lines = {{"Receive", ChartBlue, false, {{0, 1}, {1, 2}}}, {"Send", ChartRed, false, {{0, 2}, {1, 1}}}};
    const std::string svg = SvgChartElement(chart, "c5", ".");
    for (const std::string light : {"#0000ff", "#ff0000"}) {
        const size_t line =
            svg.find("<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" + light + "\" style=\"--dark:#");
        ASSERT_NE(line, std::string::npos) << svg;
        const std::string dark = svg.substr(svg.find("--dark:#", line) + 8, 6);
        const TRgb shown{std::stoi(dark.substr(0, 2), nullptr, 16), std::stoi(dark.substr(2, 2), nullptr, 16),
                         std::stoi(dark.substr(4, 2), nullptr, 16)};
        EXPECT_GE(ContrastRatio(shown, DarkChartGround), LineContrast) << dark;
    }
    EXPECT_NE(SvgChartDarkStyle().find("svg.chart polyline, svg.chart line[style] { stroke: var(--dark); }"),
              std::string::npos);
}

TEST(SvgChart, ASinglePointIsAMarkerInTheMiddle)
{
    TSvgChart chart;
    chart.Lines = {{"Dial time", {0, 0, 255}, false, {{0, 30}}}, {"Trend", {255, 255, 128}, false, {}}};
    const std::string svg = SvgChartElement(chart, "c2", ".");
    EXPECT_EQ(Count(svg, "<circle"), 1u);
    EXPECT_EQ(Count(svg, "<polyline"), 0u) << "an empty trend draws nothing";
    // The x axis runs from -1 to 1: the point stands halfway between the plot's edges.
    const size_t plot = svg.find("<rect class=\"plot\" x=\"");
    const double left = std::stod(svg.substr(plot + 22));
    const double width = std::stod(svg.substr(svg.find("width=\"", plot) + 7));
    const double x = std::stod(svg.substr(svg.find("<circle cx=\"") + 12));
    EXPECT_NEAR(x, left + width / 2, 0.1);
    // The legend, right of the plot (720 wide, 112 of it legend): a title 18
    // below the one before, 24 right of its line of colour.
    EXPECT_NE(svg.find("<text x=\"638.0\" y=\"44.0\" text-anchor=\"start\">Dial time</text>"), std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<text x=\"638.0\" y=\"62.0\" text-anchor=\"start\">Trend</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<line x1=\"614.0\" y1=\"58.0\" x2=\"632.0\" y2=\"58.0\""), std::string::npos) << svg;
}

// Every upright text stands wholly inside the picture and clear of the plot:
// with the page's 12px sans-serif (DejaVu Sans), a glyph reaches 11.2px
// above its baseline and 2.9px below it.
TEST(SvgChart, LabelsStandInsideThePictureAndOutsideThePlot)
{
    TSvgChart chart;
    chart.LeftTitle = "Connection Period in s";
    chart.Lines = {{"Connection", {0, 0, 255}, false, {{0, 12}, {1, 30}, {2, 7}}}};
    const std::string svg = SvgChartElement(chart, "c3", ".");
    const size_t plot = svg.find("<rect class=\"plot\" x=\"");
    const double plotLeft = std::stod(svg.substr(plot + 22));
    const double plotTop = std::stod(svg.substr(svg.find("y=\"", plot) + 3));
    const double plotRight = plotLeft + std::stod(svg.substr(svg.find("width=\"", plot) + 7));
    const double plotBottom = plotTop + std::stod(svg.substr(svg.find("height=\"", plot) + 8));
    const size_t view = svg.find("viewBox=\"0 0 ") + 13;
    const double height = std::stod(svg.substr(svg.find(' ', view) + 1));
    size_t labels = 0;
    for (size_t at = svg.find("<text x=\""); at != std::string::npos; at = svg.find("<text x=\"", at + 1)) {
        const std::string element = svg.substr(at, svg.find('>', at) - at);
        if (element.find("transform") != std::string::npos)
            continue;
        const double x = std::stod(element.substr(9));
        const double y = std::stod(element.substr(element.find("y=\"") + 3));
        EXPECT_GE(y - 11.2, 0) << element;
        EXPECT_LE(y + 2.9, height) << element;
        // Beside the plot (values, legend), above it (title) or below it (points).
        EXPECT_TRUE(x < plotLeft || x > plotRight || y + 2.9 <= plotTop || y - 11.2 >= plotBottom) << element;
        ++labels;
    }
    EXPECT_GE(labels, 6u) << "value and point labels";
    // The light yellow left wall stands just left of the plot, as high as it.
    const size_t fill = svg.find(" fill=\"#ffff80\"/>");
    ASSERT_NE(fill, std::string::npos);
    const std::string wall = svg.substr(svg.rfind("<rect ", fill), fill - svg.rfind("<rect ", fill));
    const auto attribute = [&wall](const std::string& name) {
        return std::stod(wall.substr(wall.find(" " + name + "=\"") + name.size() + 3));
    };
    EXPECT_DOUBLE_EQ(attribute("x"), plotLeft - 6) << wall;
    EXPECT_DOUBLE_EQ(attribute("width"), 6) << wall;
    EXPECT_DOUBLE_EQ(attribute("y"), plotTop) << wall;
    EXPECT_DOUBLE_EQ(attribute("height"), plotBottom - plotTop) << wall;
}

// The right axis takes what its labels need and no more: they start 5 right
// of the plot, and the widest (7.2 a character) ends where the 24 of the
// turned title begin, left of the legend's 112 at the picture's right edge.
TEST(SvgChart, TheRightAxisTakesItsLabelsRoom)
{
    TSvgChart chart;
    chart.LeftTitle = "Bytes";
    chart.RightTitle = "Minutes";
    chart.Lines = {{"Bytes", {0, 0, 255}, false, {{0, 10}, {1, 20}}},
                   {"Minutes", {255, 0, 0}, true, {{0, 100}, {1, 400}}}};
    const std::string svg = SvgChartElement(chart, "c4", ".");
    const size_t plot = svg.find("<rect class=\"plot\" x=\"");
    const double plotRight = std::stod(svg.substr(plot + 22)) + std::stod(svg.substr(svg.find("width=\"", plot) + 7));
    // 0 to 400 in steps of 100: "400" is the widest label, 21.6 wide.
    const std::string widest = ">400</text>";
    ASSERT_NE(svg.find(widest), std::string::npos) << svg;
    const std::string label = svg.substr(svg.rfind("<text x=\"", svg.find(widest)));
    EXPECT_DOUBLE_EQ(std::stod(label.substr(9)), plotRight + 5) << label;
    EXPECT_NE(label.find("text-anchor=\"start\""), std::string::npos) << label;
    EXPECT_NEAR(plotRight + 5 + 3 * 7.2, 720 - 112 - 24, 0.01);
}

TEST(HtmlReportFiles, OnlyTheReportsOwnNames)
{
    for (const char* name : {"index.html", "kellvar.css", "2000.html", "1999-12.html"})
        EXPECT_TRUE(IsHtmlReportFile(name)) << name;
    for (const char* name : {"notes.txt", "index.htm", "2000-1.html", "20000.html", "2000-01.html~", "x2000.html",
                             ".html", "2000_01.html", "..", "Index.html"})
        EXPECT_FALSE(IsHtmlReportFile(name)) << name;
}

}  // namespace
}  // namespace kellvar
