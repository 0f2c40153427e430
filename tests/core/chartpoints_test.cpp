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
    const std::vector<TTrendPoint> trend = AverageTrend({1, 2, 3, 10, 20, 30, 99});
    ASSERT_EQ(trend.size(), 2u);
    EXPECT_EQ(trend[0].X, 1);
    EXPECT_EQ(trend[0].Y, 2);
    EXPECT_EQ(trend[1].X, 4);
    EXPECT_EQ(trend[1].Y, 20);
}

}  // namespace
}  // namespace kellvar
