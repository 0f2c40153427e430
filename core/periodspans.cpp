// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodspans.h"

#include "calendar.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kellvar {

namespace {

std::string DateName(int64_t day, size_t length = 10)
{
    const TDateParts d = DateOfDayNumber(day);
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return std::string(text.data()).substr(0, length);
}

// The day a billing month starting on monthStart begins in this month.
int64_t BillingStartIn(int32_t year, int32_t month, int32_t monthStart)
{
    return DayNumber(year, month, std::min(monthStart, DaysInMonth(year, month)));
}

}  // namespace

int32_t DaysInMonth(int32_t year, int32_t month)
{
    const int32_t nextYear = month == 12 ? year + 1 : year;
    const int32_t nextMonth = month == 12 ? 1 : month + 1;
    return static_cast<int32_t>(DayNumber(nextYear, nextMonth, 1) - DayNumber(year, month, 1));
}

std::pair<int32_t, int32_t> IsoWeek(int64_t day)
{
    // The week belongs to the year of its Thursday.
    const int64_t thursday = day - Weekday(day) + 3;
    const int32_t year = DateOfDayNumber(thursday).Year;
    return {year, static_cast<int32_t>((thursday - DayNumber(year, 1, 1)) / 7 + 1)};
}

TPeriodSpan PeriodSpan(TPeriod period, int64_t day, const TPeriodRules& rules)
{
    const TDateParts date = DateOfDayNumber(day);
    switch (period) {
    case TPeriod::Day:
    case TPeriod::Hour:
    case TPeriod::Weekday:
        return {day, day, DateName(day)};
    case TPeriod::Week: {
        const int64_t first = day - (rules.WeekStartsOnSunday ? (Weekday(day) + 1) % 7 : Weekday(day));
        if (rules.WeekStartsOnSunday)
            return {first, first + 6, DateName(first)};
        const auto [year, week] = IsoWeek(day);
        std::array<char, 32> name{};
        std::snprintf(name.data(), name.size(), "%04d-W%02d", year, week);
        return {first, first + 6, name.data()};
    }
    case TPeriod::Billing: {
        int64_t first = BillingStartIn(date.Year, date.Month, rules.MonthStart);
        int32_t year = date.Year;
        int32_t month = date.Month;
        if (day < first) {
            year = month == 1 ? year - 1 : year;
            month = month == 1 ? 12 : month - 1;
            first = BillingStartIn(year, month, rules.MonthStart);
        }
        const int32_t nextYear = month == 12 ? year + 1 : year;
        const int32_t nextMonth = month == 12 ? 1 : month + 1;
        return {first, BillingStartIn(nextYear, nextMonth, rules.MonthStart) - 1, DateName(first)};
    }
    case TPeriod::Month: {
        const int64_t first = DayNumber(date.Year, date.Month, 1);
        return {first, first + DaysInMonth(date.Year, date.Month) - 1, DateName(first, 7)};
    }
    case TPeriod::Year:
        break;
    }
    const int64_t first = DayNumber(date.Year, 1, 1);
    return {first, DayNumber(date.Year + 1, 1, 1) - 1, DateName(first, 4)};
}

int64_t Projected(int64_t soFar, const TPeriodSpan& span, int64_t today)
{
    const int64_t elapsed = std::clamp<int64_t>(today - span.First + 1, 1, span.Days());
    // Rounded half up; values are never negative.
    return (2 * soFar * span.Days() + elapsed) / (2 * elapsed);
}

}  // namespace kellvar
