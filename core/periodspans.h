// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logstamp.h"

#include <cstdint>
#include <string>
#include <utility>

namespace kellvar {

// Periods of the calendar, and the hours of the day and days of the week of
// a usage profile.
enum class TPeriod { Day, Week, Billing, Month, Year, Hour, Weekday };

// How weeks and billing months are cut. A billing month starts on MonthStart
// (1 to 31), on the month's last day where it has fewer days (a start of 31
// gives 28 or 29 February and 30 April); weeks start on Monday (ISO 8601) or
// on Sunday.
struct TPeriodRules {
    int32_t MonthStart = 1;
    bool WeekStartsOnSunday = false;
};

// One period: its first and last day (day numbers, both inclusive) and its
// name: "2000-01-03" for a day, "2004-W53" for an ISO week, the first day for
// a week from Sunday and for a billing month, "2000-01" and "2000".
struct TPeriodSpan {
    int64_t First = 0;
    int64_t Last = 0;
    std::string Name;

    int64_t Days() const { return Last - First + 1; }
    bool Holds(int64_t day) const { return day >= First && day <= Last; }
};

int32_t DaysInMonth(int32_t year, int32_t month);
// The ISO 8601 week of a day: its week-based year and number (1 to 53).
std::pair<int32_t, int32_t> IsoWeek(int64_t day);
// The period of the kind that holds the day.
TPeriodSpan PeriodSpan(TPeriod period, int64_t day, const TPeriodRules& rules);

// The whole period's value foreseen from what it holds so far: so far ÷ days
// elapsed (today included) × days in the period. Today before the period
// counts as its first day, after it as its last, where the value is the total.
int64_t Projected(int64_t soFar, const TPeriodSpan& span, int64_t today);

}  // namespace kellvar
