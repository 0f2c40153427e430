// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionrules.h"

#include "platform/asciitext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kellvar {

namespace {

constexpr size_t npos = std::string_view::npos;

struct TStamp {
    int32_t& Date;
    int32_t& Time;
    TDateParts& Parts;
};

TStamp DialStamp(TConnectionRecord& r)
{
    return {r.DialDate, r.DialTime, r.DialDateParts};
}
TStamp ConnectStamp(TConnectionRecord& r)
{
    return {r.ConnectDate, r.ConnectTime, r.ConnectDateParts};
}
TStamp HangUpStamp(TConnectionRecord& r)
{
    return {r.HangUpDate, r.HangUpTime, r.HangUpDateParts};
}

// Sets the stamp from the line; with onlyWhileZero, date and time are each set only while still 0.
void SetStamp(TStamp stamp, const TLineStamp& line, bool onlyWhileZero)
{
    if (!onlyWhileZero || stamp.Date == 0) {
        stamp.Date = line.At.DateKey;
        stamp.Parts = line.Parts;
    }
    if (!onlyWhileZero || stamp.Time == 0)
        stamp.Time = line.At.TimeOfDay;
}

void SetConnectStamp(TConnectionRecord& r, const TLineStamp& line, bool onlyWhileZero)
{
    SetStamp(ConnectStamp(r), line, onlyWhileZero);
    if (!onlyWhileZero || r.DialDuration == 0)
        r.DialDuration = TimeSpan(r.DialTime, r.ConnectTime);
}

void SetHangUpStamp(TConnectionRecord& r, const TLineStamp& line, bool onlyWhileZero)
{
    SetStamp(HangUpStamp(r), line, onlyWhileZero);
    if (!onlyWhileZero || r.ConnectionDuration == 0)
        r.ConnectionDuration = TimeSpan(r.ConnectTime, r.HangUpTime);
}

// The text from 'from' up to the character before 'to'; empty when 'to' lies before 'from'.
std::string_view Between(std::string_view line, size_t from, size_t to)
{
    return to > from ? line.substr(from, to - from) : std::string_view{};
}

constexpr std::string_view ByteUnit = " bytes";

// Whether ByteUnit ends at 'end', letters in any case.
bool ByteUnitEndsAt(std::string_view line, size_t end)
{
    const size_t last = ByteUnit.size() - 1;
    return end >= last && platform::EqualsIgnoringAsciiCase(line.substr(end - last, ByteUnit.size()), ByteUnit);
}

// Where ByteUnit first stands in the line, letters in any case. Each 's' or
// 'S' is looked at as the end of one: ordered by their ends, occurrences are
// ordered by their starts. Sixteen bytes at a time where the processor has SSE2.
size_t FindByteUnit(std::string_view line)
{
    const size_t last = ByteUnit.size() - 1;
    size_t at = 0;
#if defined(__SSE2__)
    for (; line.size() - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + at));
        const __m128i lower = _mm_or_si128(bytes, _mm_set1_epi8(0x20));
        for (auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(lower, _mm_set1_epi8('s')))); ends != 0;
             ends &= ends - 1)
            if (const size_t end = at + static_cast<size_t>(std::countr_zero(ends)); ByteUnitEndsAt(line, end))
                return end - last;
    }
#endif
    for (; at < line.size(); ++at)
        if (platform::AsciiLower(line[at]) == ByteUnit[last] && ByteUnitEndsAt(line, at))
            return at - last;
    return npos;
}

int32_t SaturatingAdd(int32_t a, int32_t b)
{
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The speed stands before the first " bps", or else before the first "bps".
void ReadConnectionSpeed(TConnectionRecord& r, std::string_view line, size_t after)
{
    // Every " bps" holds a "bps": the first of those with a blank before it
    // is the first " bps", found without a search for each blank.
    const size_t first = line.find("bps");
    if (first == npos)
        return;
    size_t unit = first;
    for (size_t at = first; at != npos; at = line.find("bps", at + 1))
        if (at > 0 && line[at - 1] == ' ') {
            unit = at - 1;
            break;
        }
    ReadInteger(Between(line, after, unit), r.Bps);
}

void ReadTotals(TConnectionRecord& r, std::string_view line, size_t after)
{
    const size_t comma = line.find(", ");
    if (comma == npos || comma <= after)
        return;
    int32_t readTotal = 0;
    if (ReadInteger(Between(line, after, comma), readTotal) && readTotal >= 0)
        r.BytesRead = readTotal;

    const std::string_view rest = line.substr(comma + 2);
    size_t label = rest.find("Geschrieben: Gesamt: ");
    size_t written = label == npos ? npos : label + std::string_view("Geschrieben: Gesamt: ").size();
    if (label == npos) {
        label = rest.find("Written: Total: ");
        written = label == npos ? npos : label + std::string_view("Written: Total: ").size();
    }
    if (written == npos)
        return;
    const size_t nextComma = rest.find(", ", written);
    if (nextComma == npos)
        return;
    int32_t writtenTotal = 0;
    if (ReadInteger(Between(rest, written, nextComma), writtenTotal) && writtenTotal >= 0)
        r.BytesWritten = writtenTotal;
}

// Adds the "<n> bytes" count after the statistics label; false on a count that does not read.
bool AddByteCount(int32_t& count, std::string_view line, size_t after)
{
    const size_t unit = FindByteUnit(line);
    if (unit == npos || unit <= after)
        return true;
    int32_t bytes = 0;
    if (!ReadInteger(Between(line, after, unit), bytes))
        return false;
    count = SaturatingAdd(count, bytes);
    return true;
}

std::optional<std::string> ReadOverrunCount(TConnectionRecord& r, std::string_view line, size_t after)
{
    int32_t count = -1;
    if (!ReadInteger(line.substr(std::min(after, line.size()), 10), count))
        count = -1;
    if (r.HangUpDate != 0 && r.ConnectionDuration != 0) {
        r.OverrunErrors = count;
        return std::nullopt;
    }
    return count == -1 ? std::string("?") : std::to_string(count);
}

// The number of the dial string up to the command's "<cr>", as far as a
// number can reach: without the tone or pulse letter and what a modem does
// not dial (blanks, "-", "(", ")", "/", and the pauses ",", "W", "@", ";").
std::string DialledNumber(std::string_view rest)
{
    constexpr size_t LongestNumber = 40;
    rest = rest.substr(0, std::min(rest.find('<'), LongestNumber));
    if (!rest.empty() && (rest.front() == 'T' || rest.front() == 't' || rest.front() == 'P' || rest.front() == 'p'))
        rest.remove_prefix(1);
    static constexpr auto NotDialled = [] {
        std::array<bool, 256> notDialled{};
        for (const char c : std::string_view(" \t-()/,Ww@;"))
            notDialled[static_cast<unsigned char>(c)] = true;
        return notDialled;
    }();
    std::string number;
    number.reserve(rest.size());
    for (const char c : rest)
        if (!NotDialled[static_cast<unsigned char>(c)])
            number += c;
    return number;
}

}  // namespace

bool IsOpenSession(const TConnectionRecord& r)
{
    return r.DialDate != 0 || r.DialTime != 0 || r.ConnectDate != 0 || r.ConnectTime != 0;
}

bool DialInterruptsSession(const TConnectionRecord& r, int32_t dialLineTime)
{
    return IsOpenSession(r) && int64_t{dialLineTime} - r.DialTime > 400;
}

TLineOutcome HandleLogLine(TConnectionRecord& r, std::string_view line, const TLineMatch& match,
                           const TLineStamp& stamp)
{
    TLineOutcome outcome;
    switch (match.Kind) {
    case NotRecognised:
        break;
    case DialCommand:
        r.DialledNumber = DialledNumber(line.substr(match.End));
        break;
    case Dialing:
        SetStamp(DialStamp(r), stamp, false);
        break;
    case ConnectResponse:
    case InterpretedConnect:
        SetConnectStamp(r, stamp, false);
        break;
    case ConnectionEstablished:
        SetConnectStamp(r, stamp, true);
        ReadConnectionSpeed(r, line, match.End);
        break;
    case ReadWrittenTotals:
        ReadTotals(r, line, match.End);
        break;
    case HangingUp:
        SetHangUpStamp(r, stamp, false);
        break;
    case NoCarrier:
    case InterpretedNoCarrier:
        if (r.ConnectDate != 0 && r.HangUpDate == 0 && r.HangUpTime == 0)
            r.CarrierLost = true;
        SetHangUpStamp(r, stamp, true);
        break;
    case HardwareHangUp:
    case HangUpCommand:
    case SessionStatistics:
        SetHangUpStamp(r, stamp, true);
        break;
    case Reads:
        SetHangUpStamp(r, stamp, true);
        if (AddByteCount(r.BytesRead, line, match.End))
            r.ReadRate = TransferRate(r.BytesRead, r.ConnectionDuration);
        break;
    case Writes:
        SetHangUpStamp(r, stamp, true);
        if (AddByteCount(r.BytesWritten, line, match.End)) {
            r.WriteRate = TransferRate(r.BytesWritten, r.ConnectionDuration);
            outcome.SessionClosed = true;
        }
        break;
    case SerialOverrun:
        outcome.LateOverrunCell = ReadOverrunCount(r, line, match.End);
        break;
    }
    return outcome;
}

}  // namespace kellvar
