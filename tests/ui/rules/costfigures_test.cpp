// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/costfigures.h"

#include "core/calendar.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

// Ten hours a month: five hours used is half the bar, twelve fill it and
// exceed the limit; ten exactly is still within it.
TEST(LimitBar, FillsAsTheLimitIsUsedAndStopsFull)
{
    const TLimit limit = *ParseLimit("month:time>10h");
    TLimitCheck check;
    check.Limit = &limit;
    check.Span = {DayNumber(2000, 1, 1), DayNumber(2000, 1, 31), "2000-01"};
    check.Used = 5 * 360'000;
    check.Projection = 9 * 360'000;
    TLimitBar bar = LimitBar(check, false);
    EXPECT_EQ(bar.Percent, 50);
    EXPECT_FALSE(bar.Exceeded);
    EXPECT_EQ(bar.Text, "month:time>10h: 5:00:00 so far, 9:00:00 foreseen (2000-01-01 to 2000-01-31)");
    check.Used = 10 * 360'000;
    bar = LimitBar(check, true);
    EXPECT_EQ(bar.Percent, 100);
    EXPECT_FALSE(bar.Exceeded);
    EXPECT_EQ(bar.Text, "month:time>10h: 10:00:00 bisher, 9:00:00 erwartet (2000-01-01 bis 2000-01-31)");
    check.Used = 12 * 360'000;
    EXPECT_EQ(LimitBar(check, false).Percent, 100);
    EXPECT_TRUE(LimitBar(check, false).Exceeded);

    // A limit of nothing is empty until anything is used, then full.
    TLimit none = limit;
    none.Value = 0;
    check.Limit = &none;
    check.Used = 0;
    EXPECT_EQ(LimitBar(check, false).Percent, 0);
    check.Used = 1;
    EXPECT_EQ(LimitBar(check, false).Percent, 100);
}

}  // namespace
}  // namespace kellvar
