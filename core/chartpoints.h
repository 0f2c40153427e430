// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace kellvar {

// The six source series that receive one point per emitted connection, in the
// order the points are appended.
enum TSourceSeries : int {
    ReadRateSeries = 0,        // Series1, byte/s
    WriteRateSeries,           // Series2, byte/s
    DialDurationSeries,        // LineSeries1, seconds
    ConnectionDurationSeries,  // LineSeries2, seconds
    BytesReadSeries,           // LineSeries5, bytes
    BytesWrittenSeries,        // LineSeries6, bytes
    SourceSeriesCount
};

struct TPlotPoint {
    double X;
    double Y;
};

// The y values of the source series (x is the point's index), with the sums
// that the overview is computed from, added up point by point as they arrive.
class TChartPoints {
public:
    // Without keepValues only the sums are kept (no chart is drawn from them).
    explicit TChartPoints(bool keepValues = true) : keepValues_(keepValues) {}

    void Clear();
    void Add(const TConnectionRecord& record);

    size_t Count() const { return count_; }
    const std::vector<double>& Values(TSourceSeries series) const { return values_[series]; }
    double Sum(TSourceSeries series) const { return sums_[series]; }
    // The dial and connection durations in exact hundredths: sums of doubles
    // would let rounding noise tip a mean that lies exactly on a tie.
    int64_t DialHundredths() const { return dialHundredths_; }
    int64_t ConnectionHundredths() const { return connectionHundredths_; }

private:
    bool keepValues_;
    size_t count_ = 0;
    std::array<std::vector<double>, SourceSeriesCount> values_;
    std::array<double, SourceSeriesCount> sums_{};
    int64_t dialHundredths_ = 0;
    int64_t connectionHundredths_ = 0;
};

// The mean of each complete group of three points, placed at the middle point's x.
std::vector<TPlotPoint> AverageTrend(const std::vector<double>& values);

// The points of a series (x ascending) that a plot of the given width needs
// for the x range shown: all of them while there are at most two per pixel
// column, otherwise the lowest and the highest of each column, in x order;
// one point beyond each end of the range keeps the line running to the edge.
std::vector<TPlotPoint> ThinnedForDisplay(const std::vector<TPlotPoint>& points, double xMin, double xMax, int columns);

}  // namespace kellvar
