// SPDX-License-Identifier: GPL-3.0-or-later
// Weeks, billing months, projections and limits, with the calendar worked out by hand.
#include "core/calendar.h"
#include "core/periodsums.h"
#include "core/usagelimits.h"
#include "core/usageprofile.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

int64_t Day(int32_t year, int32_t month, int32_t day)
{
    return DayNumber(year, month, day);
}

struct TSpanCase {
    const char* What;
    TPeriod Period;
    TPeriodRules Rules;
    int64_t Day;
    int64_t First;
    int64_t Last;
    const char* Name;
};

class PeriodSpanTest : public testing::TestWithParam<TSpanCase> {};

TEST_P(PeriodSpanTest, HoldsTheDayFromItsFirstToItsLastDay)
{
    const TSpanCase& c = GetParam();
    const TPeriodSpan span = PeriodSpan(c.Period, c.Day, c.Rules);
    EXPECT_EQ(span.First, c.First) << c.What;
    EXPECT_EQ(span.Last, c.Last) << c.What;
    EXPECT_EQ(span.Name, c.Name) << c.What;
}

constexpr TPeriodRules StartOn31{31, false};
constexpr TPeriodRules StartOn15{15, false};

INSTANTIATE_TEST_SUITE_P(
    Calendar, PeriodSpanTest,
    testing::Values(
        // A start of 31: January 31, then 28 February 1999, 29 February 2000, 31 March, 30 April.
        TSpanCase{"mid-February 1999", TPeriod::Billing, StartOn31, Day(1999, 2, 15), Day(1999, 1, 31),
                  Day(1999, 2, 27), "1999-01-31"},
        TSpanCase{"28 February 1999", TPeriod::Billing, StartOn31, Day(1999, 2, 28), Day(1999, 2, 28), Day(1999, 3, 30),
                  "1999-02-28"},
        TSpanCase{"28 February 2000, a leap year", TPeriod::Billing, StartOn31, Day(2000, 2, 28), Day(2000, 1, 31),
                  Day(2000, 2, 28), "2000-01-31"},
        TSpanCase{"29 February 2000", TPeriod::Billing, StartOn31, Day(2000, 2, 29), Day(2000, 2, 29), Day(2000, 3, 30),
                  "2000-02-29"},
        TSpanCase{"April", TPeriod::Billing, StartOn31, Day(1999, 4, 30), Day(1999, 4, 30), Day(1999, 5, 30),
                  "1999-04-30"},
        TSpanCase{"across the year's end", TPeriod::Billing, StartOn15, Day(2000, 1, 3), Day(1999, 12, 15),
                  Day(2000, 1, 14), "1999-12-15"},
        // 31 December 1998 was a Thursday: week 53 of 1998 ran 28 December to 3 January.
        TSpanCase{
            "week 53 of 1998", TPeriod::Week, {}, Day(1999, 1, 2), Day(1998, 12, 28), Day(1999, 1, 3), "1998-W53"},
        // 2004 began on a Thursday: week 53 from 27 December 2004 to 2 January 2005.
        TSpanCase{
            "week 53 of 2004", TPeriod::Week, {}, Day(2004, 12, 31), Day(2004, 12, 27), Day(2005, 1, 2), "2004-W53"},
        // 1 January 2001 was a Monday; 31 December 2000 a Sunday, still in week 52 of 2000.
        TSpanCase{"week 1 of 2001", TPeriod::Week, {}, Day(2001, 1, 1), Day(2001, 1, 1), Day(2001, 1, 7), "2001-W01"},
        TSpanCase{"the Sunday before",
                  TPeriod::Week,
                  {},
                  Day(2000, 12, 31),
                  Day(2000, 12, 25),
                  Day(2000, 12, 31),
                  "2000-W52"},
        TSpanCase{"a week from Sunday",
                  TPeriod::Week,
                  {1, true},
                  Day(2001, 1, 1),
                  Day(2000, 12, 31),
                  Day(2001, 1, 6),
                  "2000-12-31"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PeriodTotals, AConnectionAcrossABillingMonthStartCountsWhereItBegan)
{
    TPeriodTotals months(TPeriod::Billing, StartOn15);
    TConnectionRecord record;
    record.ConnectDateParts = {1999, 3, 14};
    record.ConnectDate = DateKeyOf(1999, 3, 14);
    record.ConnectionDuration = 2 * HundredthsPerDay;  // to 16 March
    months.Add(record);
    ASSERT_EQ(months.Periods().size(), 1u);
    EXPECT_EQ(months.Periods().front().Period, "1999-02-15");
}

TEST(Projected, SoFarTimesTheDaysOfThePeriodOverTheDaysElapsed)
{
    const TPeriodSpan march = PeriodSpan(TPeriod::Month, Day(1999, 3, 10), {});
    EXPECT_EQ(Projected(100, march, Day(1999, 3, 1)), 3'100) << "the first day counts as elapsed";
    EXPECT_EQ(Projected(100, march, Day(1999, 3, 10)), 310);
    EXPECT_EQ(Projected(100, march, Day(1999, 3, 31)), 100) << "on the last day, the total";
}

struct TLimitCase {
    const char* Text;
    int64_t Used;  // hundredths of a second
    bool Exceeded;
};

class LimitTest : public testing::TestWithParam<TLimitCase> {};

TEST_P(LimitTest, ExactlyAtTheLimitIsWithinIt)
{
    const TLimitCase& c = GetParam();
    const std::vector<TLimit> limits{*ParseLimit(c.Text)};
    // 10 March of a 31-day month: the projection is 3.1 times the use.
    TLimitChecks checks(limits, {}, Day(1999, 3, 10));
    TConnectionRecord record;
    record.ConnectDateParts = {1999, 3, 2};
    record.ConnectDate = DateKeyOf(1999, 3, 2);
    record.ConnectionDuration = static_cast<int32_t>(c.Used);
    checks.Add(record, std::nullopt);
    EXPECT_EQ(checks.Checks().front().Exceeded(), c.Exceeded) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitTest,
                         testing::Values(TLimitCase{"month:time>1h", 360'000, false},
                                         TLimitCase{"month:time>1h", 360'001, true},
                                         TLimitCase{"month:time>60min", 360'001, true},
                                         // 1 h so far projects to 3.1 h.
                                         TLimitCase{"month:time~>3h", 360'000, true},
                                         TLimitCase{"month:time~>4h", 360'000, false},
                                         TLimitCase{"month:time>3h", 360'000, false}));

TEST(ParseLimit, ValuesInTheirUnitsAndNothingElse)
{
    EXPECT_EQ(ParseLimit("month:volume>500MiB")->Value, 500 * 1'048'576);
    EXPECT_EQ(ParseLimit("day:sent>1.5KB")->Value, 1'500);
    EXPECT_EQ(ParseLimit("day:received>2KiB")->Value, 2'048);
    // Rounded to whole bytes and hundredths of a second, halves up.
    EXPECT_EQ(ParseLimit("day:sent>0.0005KB")->Value, 1) << "half a byte";
    EXPECT_EQ(ParseLimit("day:sent>0.0004KB")->Value, 0);
    EXPECT_EQ(ParseLimit("day:time>0.005s")->Value, 1) << "half a hundredth";
    EXPECT_EQ(ParseLimit("week:cost>40.5")->Value, 40'500'000);
    EXPECT_TRUE(ParseLimit("month:volume~>1GB")->Projected);
    for (const char* bad : {"month:cost>40EUR", "year:time>1h", "month:speed>1", "month:time>", "month:time>-1h",
                            "month:volume>1XB", "monthtime>1h"})
        EXPECT_FALSE(ParseLimit(bad)) << bad;
}

TConnectionRecord Online(int64_t day, int32_t hours, int32_t minutes, int32_t durationMinutes, int32_t bytes)
{
    TConnectionRecord record;
    record.ConnectDateParts = DateOfDayNumber(day);
    record.ConnectDate =
        DateKeyOf(record.ConnectDateParts.Year, record.ConnectDateParts.Month, record.ConnectDateParts.Day);
    record.ConnectTime = static_cast<int32_t>(TimeOfDayValue(hours, minutes, 0, 0));
    record.ConnectionDuration = durationMinutes * 6'000;
    record.BytesRead = bytes;
    return record;
}

TEST(UsageProfile, AConnectionIsSplitExactlyAcrossTheHoursItSpans)
{
    TUsageProfile hours(TPeriod::Hour);
    // 17:50 to 18:20 with 1,000 bytes: 10 minutes and 333 bytes to 17, 20 minutes and 667 to 18.
    hours.Add(Online(Day(1999, 3, 1), 17, 50, 30, 1'000));
    EXPECT_EQ(hours.Rows()[17].Sums.DurationHundredths, 60'000);
    EXPECT_EQ(hours.Rows()[18].Sums.DurationHundredths, 120'000);
    EXPECT_EQ(hours.Rows()[17].Sums.ReceivedBytes, 333);
    EXPECT_EQ(hours.Rows()[18].Sums.ReceivedBytes, 667);
    EXPECT_EQ(hours.Rows()[17].Sums.Connections, 1) << "counted where it began";
    EXPECT_EQ(hours.Rows()[18].Sums.Connections, 0);
    hours.Add(Online(Day(1999, 3, 1), 3, 0, 0, 50));
    EXPECT_EQ(hours.Rows()[3].Sums.ReceivedBytes, 50) << "a connection of no time keeps its bytes";
}

// 61 s from 09:59:30 at 0.20: 30 s and 31 s are 9.84 and 10.16 of it, so
// 10 and 10, each as near its share as whole units allow; 100 bytes are
// 49.18 and 50.82, so 49 and 51.
TEST(UsageProfile, PiecesTakeTheLargestRemainders)
{
    TUsageProfile hours(TPeriod::Hour);
    TConnectionRecord record = Online(Day(1999, 3, 1), 9, 59, 0, 100);
    record.ConnectTime += 3'000;
    record.ConnectionDuration = 6'100;
    hours.Add(record, TCost{20, nullptr});
    EXPECT_EQ(hours.Rows()[9].Costs.Amount, 10);
    EXPECT_EQ(hours.Rows()[10].Costs.Amount, 10);
    EXPECT_EQ(hours.Rows()[9].Sums.ReceivedBytes, 49);
    EXPECT_EQ(hours.Rows()[10].Sums.ReceivedBytes, 51);
}

TEST(UsageProfile, SundayNightIntoMondaySplitsAcrossTheDays)
{
    TUsageProfile days(TPeriod::Weekday);
    // 7 March 1999 was a Sunday: 23:50 to 00:10 gives ten minutes to each day.
    days.Add(Online(Day(1999, 3, 7), 23, 50, 20, 7), TCost{10, nullptr});
    const std::vector<TPeriodTotal>& rows = days.Rows();
    EXPECT_EQ(rows[6].Period, "sunday");
    EXPECT_EQ(rows[6].Sums.DurationHundredths, 60'000);
    EXPECT_EQ(rows[0].Sums.DurationHundredths, 60'000);
    EXPECT_EQ(rows[6].Sums.ReceivedBytes + rows[0].Sums.ReceivedBytes, 7) << "the parts add up to the whole";
    EXPECT_EQ(rows[6].Costs.Amount + rows[0].Costs.Amount, 10);
    EXPECT_EQ(rows[6].Costs.Amount, 5);

    TWeekHourProfile week;
    week.Add(Online(Day(1999, 3, 7), 23, 50, 20, 7), TCost{10, nullptr});
    EXPECT_EQ(week.Online(6, 23), 60'000);
    EXPECT_EQ(week.Online(0, 0), 60'000);
    EXPECT_EQ(week.Value(TWeekHourProfile::Cost, 6, 23) + week.Value(TWeekHourProfile::Cost, 0, 0), 10);
    EXPECT_EQ(week.Busiest(TWeekHourProfile::Volume), 4) << "7 bytes: 3 on Sunday, 4 on Monday";
}

TEST(UsageProfile, CostPerHourCountsOnlyPricedTime)
{
    TUsageProfile hours(TPeriod::Hour);
    // 20:00 for 30 minutes at 60 units, and 20:10 for 30 minutes unpriced.
    hours.Add(Online(Day(1999, 3, 1), 20, 0, 30, 0), TCost{60, nullptr});
    hours.Add(Online(Day(1999, 3, 1), 20, 10, 30, 0));
    const TCostSums& eight = hours.Rows()[20].Costs;
    EXPECT_EQ(eight.PricedHundredths, 180'000) << "30 priced minutes; the unpriced ones do not count";
    EXPECT_EQ(eight.PerHour(), 120) << "60 units in half an hour";
    EXPECT_EQ(eight.Priced, 1);
    EXPECT_EQ(eight.Unpriced, 1);
    EXPECT_EQ(hours.Rows()[21].Costs.PricedHundredths, 0) << "only the unpriced one's last ten minutes";
    EXPECT_EQ(hours.Rows()[21].Costs.PerHour(), std::nullopt);
}

TEST(UsageProfile, TimesAreTheLogsOwnAcrossADaylightSavingChange)
{
    // Germany moved its clocks from 02:00 to 03:00 on 28 March 1999; the log
    // holds local times without a zone, so 01:50 for 20 minutes lies in 01 and 02.
    TUsageProfile hours(TPeriod::Hour);
    hours.Add(Online(Day(1999, 3, 28), 1, 50, 20, 0));
    EXPECT_EQ(hours.Rows()[1].Sums.DurationHundredths, 60'000);
    EXPECT_EQ(hours.Rows()[2].Sums.DurationHundredths, 60'000);
}

TEST(Calendar, DaysInMonth)
{
    EXPECT_EQ(DaysInMonth(1999, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(1999, 12), 31);
}

}  // namespace
}  // namespace kellvar
