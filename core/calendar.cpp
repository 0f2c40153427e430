// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar.h"

namespace kellvar {

// Howard Hinnant's days_from_civil and civil_from_days: exact for every
// Gregorian date, with eras of 400 years.
int64_t DayNumber(int32_t year, int32_t month, int32_t day)
{
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

TDateParts DateOfDayNumber(int64_t dayNumber)
{
    const int64_t z = dayNumber + 719'468;
    const int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const int64_t dayOfEra = z - era * 146'097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

bool IsCalendarDate(const TDateParts& date)
{
    if (date.Year < 1 || date.Year > 9999 || date.Month < 1 || date.Month > 12 || date.Day < 1)
        return false;
    // Every fourth year leaps, but not a century's unless it is the fourth.
    constexpr int32_t Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = date.Year % 4 == 0 && (date.Year % 100 != 0 || date.Year % 400 == 0);
    return date.Day <= Days[date.Month - 1] + (date.Month == 2 && leap ? 1 : 0);
}

int32_t Weekday(int64_t dayNumber)
{
    // 1 January 1970 was a Thursday.
    const int64_t fromMonday = (dayNumber + 3) % 7;
    return static_cast<int32_t>(fromMonday < 0 ? fromMonday + 7 : fromMonday);
}

// The anonymous Gregorian algorithm (Meeus/Jones/Butcher).
int64_t EasterSunday(int32_t year)
{
    const int32_t a = year % 19;
    const int32_t b = year / 100;
    const int32_t c = year % 100;
    const int32_t d = b / 4;
    const int32_t e = b % 4;
    const int32_t f = (b + 8) / 25;
    const int32_t g = (b - f + 1) / 3;
    const int32_t h = (19 * a + b - d - g + 15) % 30;
    const int32_t i = c / 4;
    const int32_t k = c % 4;
    const int32_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int32_t m = (a + 11 * h + 22 * l) / 451;
    const int32_t month = (h + l - 7 * m + 114) / 31;
    const int32_t day = (h + l - 7 * m + 114) % 31 + 1;
    return DayNumber(year, month, day);
}

}  // namespace kellvar
