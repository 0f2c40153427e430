// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace kellvar {

// Time-stamp values of a log line "MM-DD-YYYY hh:mm:ss.cc - message".
// A DateKey orders dates (31 slots per month, 372 per year); 0 means no date.
// A TimeOfDay counts hundredths of a second since midnight; 0 means no time.

struct TDateParts {
    int32_t Year = 0;
    int32_t Month = 0;
    int32_t Day = 0;
    bool operator==(const TDateParts&) const = default;
};

inline constexpr int32_t HundredthsPerDay = 8'640'000;

// The whole text is optional leading blanks, an optional sign and one or more
// decimal digits within the signed 32-bit range; anything else is no integer.
bool ReadInteger(std::string_view text, int32_t& value);

// The arithmetic of the two stamp values, wide enough for any pieces read.
constexpr int64_t DateKeyValue(int64_t year, int64_t month, int64_t day)
{
    return year * 372 + (month - 1) * 31 + (day - 1);
}
constexpr int64_t TimeOfDayValue(int64_t hours, int64_t minutes, int64_t seconds, int64_t hundredths)
{
    return hours * 360'000 + minutes * 6'000 + seconds * 100 + hundredths;
}

// The date key of a log line; 0 when it does not fit 32 bits.
int32_t DateKeyOf(int32_t year, int32_t month, int32_t day);

// Reads the 10-character date text; 0 when a piece is no integer.
int32_t ParseLogDate(std::string_view dateText, TDateParts& parts);

// Reads the 11-character time text; false when a piece is no integer. Unlike
// the 0 of ParseLogTime, this tells midnight from no time at all.
bool ReadLogTime(std::string_view timeText, int32_t& timeOfDay);

// Reads the 11-character time text; 0 when a piece is no integer.
int32_t ParseLogTime(std::string_view timeText);

// The date and time fields of a whole log line (characters 1-10 and 12-22).
std::string_view LineDateText(std::string_view line);
std::string_view LineTimeText(std::string_view line);

// When a line was written, in the order of time: its date key, then its time
// of day.
struct TLogStamp {
    int32_t DateKey = 0;
    int32_t TimeOfDay = 0;
    bool operator==(const TLogStamp&) const = default;
    auto operator<=>(const TLogStamp&) const = default;
};

// The stamp of a whole log line with the date parts it was read from, which
// the connection's texts show.
struct TLineStamp {
    TLogStamp At;
    TDateParts Parts;
};
TLineStamp ReadLineStamp(std::string_view line);

// ReadLineStamp for a run over a whole log, whose lines share their date for
// hours on end: the date last read is kept with its text and not read again.
class TStampReader {
public:
    TLineStamp Read(std::string_view line);

private:
    // The date text last read, as two words, and what it reads as.
    bool read_ = false;
    uint64_t dateHead_ = 0;
    uint16_t dateTail_ = 0;
    int32_t dateKey_ = 0;
    TDateParts dateParts_;
};

// Time from one time of day to a later one; equal or earlier times cross midnight.
int32_t TimeSpan(int32_t from, int32_t to);

}  // namespace kellvar
