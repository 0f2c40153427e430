// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chartpoints.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TEST(ChartPoints, OnePointPerConnectionInDisplayUnits)
{
    TConnectionRecord r;
    r.ConnectionDuration = 12'345;
    r.BytesRead = 4'000;
    r.ReadRate = 150;
    TChartPoints points;
    points.Add(r);
    EXPECT_EQ(points.Values(ConnectionDurationSeries), std::vector<double>{123.45});
    EXPECT_EQ(points.Values(BytesReadSeries), std::vector<double>{4'000});
    EXPECT_EQ(points.Values(ReadRateSeries), std::vector<double>{1.5});
    points.Clear();
    EXPECT_EQ(points.Count(), 0u);
    EXPECT_EQ(points.Sum(BytesReadSeries), 0);
}

TEST(AverageTrend, MeansOfCompleteGroupsOfThreeAtTheMiddlePoint)
{
    EXPECT_TRUE(AverageTrend({1, 2}).empty());
    const std::vector<TPlotPoint> trend = AverageTrend({1, 2, 3, 10, 20, 30, 99});
    ASSERT_EQ(trend.size(), 2u);
    EXPECT_EQ(trend[0].X, 1);
    EXPECT_EQ(trend[0].Y, 2);
    EXPECT_EQ(trend[1].X, 4);
    EXPECT_EQ(trend[1].Y, 20);
}

std::vector<TPlotPoint> Line(int count)
{
    std::vector<TPlotPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({static_cast<double>(i), static_cast<double>(i % 7)});
    return points;
}

TEST(ThinnedForDisplay, KeepsEveryPointWhileFew)
{
    EXPECT_EQ(ThinnedForDisplay(Line(100), 0, 99, 100).size(), 100u);
    EXPECT_EQ(ThinnedForDisplay(Line(100), 10, 20, 100).size(), 13u) << "the range and one neighbour each side";
    EXPECT_TRUE(ThinnedForDisplay({}, 0, 1, 100).empty());
}

TEST(ThinnedForDisplay, KeepsLowAndHighOfEveryPixelColumn)
{
    const std::vector<TPlotPoint> thinned = ThinnedForDisplay(Line(32'766), 0, 32'765, 500);
    EXPECT_LE(thinned.size(), 1'002u);
    EXPECT_GE(thinned.size(), 900u);
    double low = 99, high = -1;
    for (size_t i = 0; i < thinned.size(); ++i) {
        low = std::min(low, thinned[i].Y);
        high = std::max(high, thinned[i].Y);
        if (i > 0) {
            EXPECT_LT(thinned[i - 1].X, thinned[i].X) << "x order is kept";
        }
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 6) << "the extremes survive";
}

TEST(ThinnedForDisplay, ZoomedInShowsAllPointsAgain)
{
    EXPECT_EQ(ThinnedForDisplay(Line(32'766), 1'000, 1'100, 500).size(), 103u);
}

}  // namespace
}  // namespace kellvar
