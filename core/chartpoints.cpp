// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartpoints.h"

#include <algorithm>
#include <cmath>

namespace kellvar {

void TChartPoints::Clear()
{
    for (auto& series : values_)
        series.clear();
    sums_.fill(0);
    count_ = 0;
    dialHundredths_ = 0;
    connectionHundredths_ = 0;
}

void TChartPoints::Add(const TConnectionRecord& r)
{
    const std::array<double, SourceSeriesCount> point = {r.ReadRate * 0.01,
                                                         r.WriteRate * 0.01,
                                                         r.DialDuration * 0.01,
                                                         r.ConnectionDuration * 0.01,
                                                         static_cast<double>(r.BytesRead),
                                                         static_cast<double>(r.BytesWritten)};
    for (int series = 0; series < SourceSeriesCount; ++series) {
        if (keepValues_)
            values_[series].push_back(point[series]);
        sums_[series] += point[series];
    }
    ++count_;
    dialHundredths_ += r.DialDuration;
    connectionHundredths_ += r.ConnectionDuration;
}

std::vector<TPlotPoint> AverageTrend(const std::vector<double>& values)
{
    std::vector<TPlotPoint> trend;
    trend.reserve(values.size() / 3);
    for (size_t first = 0; first + 2 < values.size(); first += 3) {
        const double mean = (values[first] + values[first + 1] + values[first + 2]) / 3;
        trend.push_back({static_cast<double>(first + 1), mean});
    }
    return trend;
}

std::vector<TPlotPoint> ThinnedForDisplay(const std::vector<TPlotPoint>& points, double xMin, double xMax, int columns)
{
    const auto byX = [](const TPlotPoint& p, double x) { return p.X < x; };
    auto first = std::lower_bound(points.begin(), points.end(), xMin, byX);
    auto last = std::lower_bound(first, points.end(), std::nextafter(xMax, INFINITY), byX);
    if (first != points.begin())
        --first;
    if (last != points.end())
        ++last;
    const auto visible = static_cast<size_t>(last - first);
    if (columns <= 0 || visible <= 2 * static_cast<size_t>(columns) || xMax <= xMin)
        return {first, last};

    std::vector<TPlotPoint> thinned;
    thinned.reserve(2 * static_cast<size_t>(columns) + 2);
    const double pixelsPerX = columns / (xMax - xMin);
    for (auto column = first; column != last;) {
        const auto pixel = static_cast<long long>(std::floor((column->X - xMin) * pixelsPerX));
        auto end = column;
        auto low = column, high = column;
        for (; end != last && static_cast<long long>(std::floor((end->X - xMin) * pixelsPerX)) == pixel; ++end) {
            if (end->Y < low->Y)
                low = end;
            if (end->Y > high->Y)
                high = end;
        }
        thinned.push_back(*std::min(low, high));
        if (low != high)
            thinned.push_back(*std::max(low, high));
        column = end;
    }
    return thinned;
}

}  // namespace kellvar
