// SPDX-License-Identifier: GPL-3.0-or-later
#include "logstamp.h"

#include <bit>
#include <cstring>
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
    return ReadInteger(Piece(text, start, length), value);
}

// The two digits at 'at' as a number, or -1 when either is no digit.
int32_t TwoDigits(const char* at)
{
    const unsigned tens = static_cast<unsigned char>(at[0]) - unsigned{'0'};
    const unsigned ones = static_cast<unsigned char>(at[1]) - unsigned{'0'};
    return tens < 10 && ones < 10 ? static_cast<int32_t>(tens * 10 + ones) : -1;
}

constexpr size_t DateLength = 10;
constexpr size_t TimeLength = 11;
constexpr size_t TimeStart = 11;

// The time "hh:mm:ss.cc" at 'at' when every digit is written, or -1.
inline int32_t DigitTime(const char* at)
{
    const int32_t hundredths = TwoDigits(at + 9);
    if constexpr (std::endian::native == std::endian::little) {
        // "hh:mm:ss" as one word: its six digit places (not the colons at
        // bytes 2 and 5) checked and their pairs added up together.
        constexpr uint64_t Places = 0xFFFF00FFFF00FFFF;
        uint64_t clock = 0;
        std::memcpy(&clock, at, sizeof clock);
        const uint64_t digits = (clock & Places) ^ (0x3030303030303030 & Places);
        // A byte above 9 sets its top bit; its low seven bits plus 0x76 cannot carry.
        const uint64_t aboveNine = (((digits & 0x7F7F7F7F7F7F7F7F) + (0x7676767676767676 & Places)) | digits);
        if ((aboveNine & (0x8080808080808080 & Places)) != 0 || hundredths < 0)
            return -1;
        const uint64_t pairs = digits * 10 + (digits >> 8);
        return static_cast<int32_t>(TimeOfDayValue(pairs & 0xFF, pairs >> 24 & 0xFF, pairs >> 48 & 0xFF, hundredths));
    } else {
        const int32_t hours = TwoDigits(at), minutes = TwoDigits(at + 3), seconds = TwoDigits(at + 6);
        if ((hours | minutes | seconds | hundredths) < 0)
            return -1;
        return static_cast<int32_t>(TimeOfDayValue(hours, minutes, seconds, hundredths));
    }
}

}  // namespace

bool ReadInteger(std::string_view text, int32_t& value)
{
    // Nearly every integer of a log is a few digits alone, too few to leave
    // the range: read at once.
    if (!text.empty() && text.size() <= 9) {
        int32_t digits = 0;
        size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            digits = digits * 10 + (text[i] - '0');
        if (i == text.size()) {
            value = digits;
            return true;
        }
    }
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
    // The driver writes every digit: read them without the piece reader.
    if (dateText.size() == DateLength) {
        const char* at = dateText.data();
        const int32_t month = TwoDigits(at), day = TwoDigits(at + 3), century = TwoDigits(at + 6),
                      year = TwoDigits(at + 8);
        if (month >= 0 && day >= 0 && century >= 0 && year >= 0) {
            parts = {century * 100 + year, month, day};
            return DateKeyOf(parts.Year, parts.Month, parts.Day);
        }
    }
    if (!ReadPiece(dateText, 0, 2, parts.Month) || !ReadPiece(dateText, 3, 2, parts.Day)
        || !ReadPiece(dateText, 6, 4, parts.Year))
        return 0;
    return DateKeyOf(parts.Year, parts.Month, parts.Day);
}

bool ReadLogTime(std::string_view timeText, int32_t& timeOfDay)
{
    if (timeText.size() == TimeLength) {
        if (const int32_t time = DigitTime(timeText.data()); time >= 0) {
            timeOfDay = time;
            return true;
        }
    }
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

TLineStamp TStampReader::Read(std::string_view line)
{
    if (line.size() < TimeStart + TimeLength)
        return ReadLineStamp(line);
    uint64_t dateHead = 0;
    uint16_t dateTail = 0;
    std::memcpy(&dateHead, line.data(), sizeof dateHead);
    std::memcpy(&dateTail, line.data() + sizeof dateHead, sizeof dateTail);
    static_assert(sizeof dateHead + sizeof dateTail == DateLength);
    if (!read_ || dateHead != dateHead_ || dateTail != dateTail_) {
        read_ = true;
        dateHead_ = dateHead;
        dateTail_ = dateTail;
        dateParts_ = {};
        dateKey_ = ParseLogDate(LineDateText(line), dateParts_);
    }
    const int32_t time = DigitTime(line.data() + TimeStart);
    return {{dateKey_, time >= 0 ? time : ParseLogTime(LineTimeText(line))}, dateParts_};
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
