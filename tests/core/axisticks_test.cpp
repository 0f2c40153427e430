// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/axisticks.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct TicksCase {
    const char* name;
    double low, high;
    bool whole;
    double step, first, last;
    int decimals;
};

class AxisTicksTest : public ::testing::TestWithParam<TicksCase> {};

TEST_P(AxisTicksTest, RoundStepsAndWholeStepEnds)
{
    const TicksCase& c = GetParam();
    const TAxisTicks ticks = RoundTicks(c.low, c.high, 6, c.whole);
    EXPECT_DOUBLE_EQ(ticks.Step, c.step);
    EXPECT_DOUBLE_EQ(ticks.Low, c.first);
    EXPECT_DOUBLE_EQ(ticks.High, c.last);
    EXPECT_EQ(ticks.Decimals, c.decimals);
}

INSTANTIATE_TEST_SUITE_P(Ranges, AxisTicksTest,
                         ::testing::Values(TicksCase{"many_points", 0, 32'765, true, 5'000, 0, 35'000, 0},
                                           TicksCase{"nineteen_points", 0, 18, true, 2, 0, 18, 0},
                                           TicksCase{"two_points_never_below_one", 0, 1, true, 1, 0, 1, 0},
                                           TicksCase{"zoomed_points", 5.09, 11.9, true, 1, 5, 12, 0},
                                           TicksCase{"rates", 0, 4'430.07, false, 1'000, 0, 5'000, 0},
                                           TicksCase{"small_values_need_decimals", 0, 0.37, false, 0.05, 0, 0.4, 2},
                                           TicksCase{"hundredths", 0.01, 0.09, false, 0.01, 0.01, 0.09, 2},
                                           TicksCase{"exact_end_stays", 0, 400, false, 50, 0, 400, 0},
                                           TicksCase{"empty_range", 3, 3, false, 0.2, 3, 4, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kellvar
