// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logstamp.h"

#include <cstdint>
#include <optional>

namespace kellvar {

// Days counted from 1 January 1970 in the Gregorian calendar, for stepping
// over midnights and month ends.
int64_t DayNumber(int32_t year, int32_t month, int32_t day);
TDateParts DateOfDayNumber(int64_t dayNumber);
// A real date of the Gregorian calendar (no 30 February, no month 13).
bool IsCalendarDate(const TDateParts& date);
// 0 for Monday up to 6 for Sunday.
int32_t Weekday(int64_t dayNumber);
// Easter Sunday of a Gregorian year, as a day number.
int64_t EasterSunday(int32_t year);

}  // namespace kellvar
