// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/costfigures.h"

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
    TLimitBar bar = LimitBar(check, false, ".", nullptr);
    EXPECT_EQ(bar.Percent, 50);
    EXPECT_FALSE(bar.Exceeded);
    EXPECT_EQ(bar.Text, "month:time>10h: 5:00:00 so far, 9:00:00 foreseen (2000-01-01 to 2000-01-31)");
    check.Used = 10 * 360'000;
    bar = LimitBar(check, true, ",", nullptr);
    EXPECT_EQ(bar.Percent, 100);
    EXPECT_FALSE(bar.Exceeded);
    EXPECT_EQ(bar.Text, "month:time>10h: 10:00:00 bisher, 9:00:00 erwartet (2000-01-01 bis 2000-01-31)");
    check.Used = 12 * 360'000;
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Percent, 100);
    EXPECT_TRUE(LimitBar(check, false, ".", nullptr).Exceeded);

    // A limit of nothing is empty until anything is used, then full.
    TLimit none = limit;
    none.Value = 0;
    check.Limit = &none;
    check.Used = 0;
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Percent, 0);
    check.Used = 1;
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Percent, 100);
}

// Volumes read as every volume of Kellvar does, amounts with the decimal
// separator and the currency: 15.5 MiB is 15.5Mbyte, 12.345 DM is 12,35 DM.
TEST(LimitBar, VolumesAndCostsReadAsEverywhereElse)
{
    const TLimit volume = *ParseLimit("day:volume>10MiB");
    TLimitCheck check;
    check.Limit = &volume;
    check.Span = {DayNumber(2000, 1, 5), DayNumber(2000, 1, 5), "2000-01-05"};
    check.Used = check.Projection = 31 * 512 * 1024;
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Text,
              "day:volume>10MiB: 15.5Mbyte so far, 15.5Mbyte foreseen (2000-01-05 to 2000-01-05), exceeded by "
              "5632Kbyte");
    // 31 half MiB of 20 MiB: 77 % and nothing said of a limit passed.
    const TLimit within = *ParseLimit("day:volume>20MiB");
    check.Limit = &within;
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Text,
              "day:volume>20MiB: 15.5Mbyte so far, 15.5Mbyte foreseen (2000-01-05 to 2000-01-05)");
    EXPECT_EQ(LimitBar(check, false, ".", nullptr).Reached, 77);
    const auto parsed = ParseTariff("currency DM 2\nunit 60 1\n", "t");
    const TLimit cost = *ParseLimit("day:cost>10");
    check.Limit = &cost;
    check.Used = check.Projection = 12'345'000;
    EXPECT_EQ(LimitBar(check, true, ",", &std::get<TTariff>(parsed)).Text,
              "day:cost>10 DM: 12,35 DM bisher, 12,35 DM erwartet (2000-01-05 bis 2000-01-05), überschritten um "
              "2,35 DM");
    // 12.345 of 10: the bar goes to 123 % of its limit, filled to 100 % in the HTML report.
    EXPECT_EQ(LimitBar(check, true, ",", &std::get<TTariff>(parsed)).Reached, 123);
    EXPECT_EQ(LimitBar(check, true, ",", &std::get<TTariff>(parsed)).Percent, 100);
    EXPECT_EQ(ParseLimit("day:time>3"), std::nullopt) << "seconds, minutes or hours?";
}

}  // namespace
}  // namespace kellvar
