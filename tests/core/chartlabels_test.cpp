// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chartlabels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kellvar {
namespace {

TEST(ChartLabels, MarksInHundredthsWithThePrefixOfTheirUnit)
{
    EXPECT_EQ(ValueMarkText(4430.456, "", "."), "4430.46");
    EXPECT_EQ(ValueMarkText(12'000.5, "", ","), "12000,5") << "seconds never take a prefix";
    EXPECT_EQ(ValueMarkText(4430, "byte/s", "."), "4430byte/s");
    EXPECT_EQ(ValueMarkText(30'000'000, "byte", ","), "28,61Mbyte");
}

TEST(ChartLabels, AxesOfAUnitTakeThePrefixOfTheirHighestValue)
{
    const TAxisUnit small = AxisUnit(5'000, "byte/s");
    EXPECT_EQ(small.Divisor, 1);
    EXPECT_EQ(small.Suffix, "");
    const TAxisUnit large = AxisUnit(30'000'000, "byte");
    EXPECT_EQ(large.Divisor, 1024.0 * 1024);
    EXPECT_EQ(large.Suffix, "Mbyte");
    EXPECT_EQ(AxisUnit(30'000'000, "").Divisor, 1) << "seconds";
}

TEST(ChartLabels, MarksFitTheirPlotSideBySide)
{
    for (const double plot : {0.0, 1.0, 79.0, 80.0, 800.0, 1'919.5})
        for (const double mark : {0.0, 1.0, 40.0, 80.0, 2'000.0})
            for (const size_t visible : {size_t{1}, size_t{2}, size_t{19}, size_t{1'000}, size_t{32'766}}) {
                const size_t step = MarkStep(visible, plot, mark);
                ASSERT_GE(step, size_t{1});
                const double marks = std::ceil(static_cast<double>(visible) / static_cast<double>(step));
                // Always at least one mark; more only where they fit.
                if (marks > 1) {
                    EXPECT_LE(marks * mark, plot) << visible << " points, " << plot << " px, marks " << mark;
                }
                // No needless thinning: one step less would no longer fit.
                if (step > 1 && mark >= 1 && plot >= mark) {
                    EXPECT_GT(std::ceil(static_cast<double>(visible) / static_cast<double>(step - 1)) * mark, plot);
                }
            }
}

}  // namespace
}  // namespace kellvar
