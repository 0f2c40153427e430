// SPDX-License-Identifier: GPL-3.0-or-later
#include "logstamp.h"

#include <limits>

namespace kellvar {

namespace {

// Like a substring that may reach past the end of a short text.
std::string_view Piece(std::string_view text, size_t start, size_t length)
{
    if (start >= text.size())
        return {};
    return text.substr(start, length);
}

bool ReadPiece(std::string_view text, size_t start, size_t length, int32_t& value)
{
    // The driver always writes every digit of a piece (at most four); take
    // them without the general reader.
    if (start + length <= text.size()) {
        int32_t digits = 0;
        size_t i = 0;
        for (; i < length && text[start + i] >= '0' && text[start + i] <= '9'; ++i)
            digits = digits * 10 + (text[start + i] - '0');
        if (i == length) {
            value = digits;
            return true;
        }
    }
    return ReadInteger(Piece(text, start, length), value);
}

}  // namespace

bool ReadInteger(std::string_view text, int32_t& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t magnitude = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

int32_t DateKeyOf(int32_t year, int32_t month, int32_t day)
{
    const int64_t key = DateKeyValue(year, month, day);
    if (key < std::numeric_limits<int32_t>::min() || key > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(key);
}

int32_t ParseLogDate(std::string_view dateText, TDateParts& parts)
{
    if (!ReadPiece(dateText, 0, 2, parts.Month) || !ReadPiece(dateText, 3, 2, parts.Day)
        || !ReadPiece(dateText, 6, 4, parts.Year))
        return 0;
    return DateKeyOf(parts.Year, parts.Month, parts.Day);
}

bool ReadLogTime(std::string_view timeText, int32_t& timeOfDay)
{
    int32_t hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    if (!ReadPiece(timeText, 0, 2, hours) || !ReadPiece(timeText, 3, 2, minutes) || !ReadPiece(timeText, 6, 2, seconds)
        || !ReadPiece(timeText, 9, 2, hundredths))
        return false;
    timeOfDay = static_cast<int32_t>(TimeOfDayValue(hours, minutes, seconds, hundredths));
    return true;
}

int32_t ParseLogTime(std::string_view timeText)
{
    int32_t timeOfDay = 0;
    return ReadLogTime(timeText, timeOfDay) ? timeOfDay : 0;
}

std::string_view LineDateText(std::string_view line)
{
    return Piece(line, 0, 10);
}

std::string_view LineTimeText(std::string_view line)
{
    return Piece(line, 11, 11);
}

TLineStamp ReadLineStamp(std::string_view line)
{
    TLineStamp stamp;
    stamp.At.DateKey = ParseLogDate(LineDateText(line), stamp.Parts);
    stamp.At.TimeOfDay = ParseLogTime(LineTimeText(line));
    return stamp;
}

int32_t TimeSpan(int32_t from, int32_t to)
{
    const int64_t span = int64_t{to} - from;
    return static_cast<int32_t>(span > 0 ? span : span + HundredthsPerDay);
}

}  // namespace kellvar
