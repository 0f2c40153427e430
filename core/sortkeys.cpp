// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortkeys.h"

#include "logstamp.h"

#include "platform/asciitext.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kellvar {

namespace {

int64_t IntegerOr0(std::string_view text)
{
    int32_t value = 0;
    return ReadInteger(text, value) ? value : 0;
}

std::string_view UpTo(std::string_view text, char stop)
{
    return text.substr(0, text.find(stop));
}

// The number before the first occurrence of unitStart, times 1,000, cut toward zero.
double TruncatedThousandths(std::string_view cell, char unitStart, const std::string& sep)
{
    double value = 0;
    if (!ReadLocaleFloat(UpTo(cell, unitStart), sep, value))
        return 0;
    return std::trunc(value * 1000);
}

// A decimal of at most 15 digits, with digits on both sides of its one
// separator if it has one, as nearly every cell holds: its value is its
// digits over a power of ten, and that one division of two exact doubles
// rounds as reading the whole text does. Anything else is left to that.
bool ReadShortDecimal(std::string_view text, const std::string& sep, double& value)
{
    constexpr int MostDigits = 15;
    constexpr double PowersOfTen[MostDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool hasSign = !text.empty() && (text.front() == '-' || text.front() == '+');
    uint64_t digits = 0;
    int count = 0;
    int before = 0;  // digits before the separator; all of them without one
    bool separated = false;
    for (size_t i = hasSign ? 1 : 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++count > MostDigits)
                return false;
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            before += separated ? 0 : 1;
            ++i;
        } else if (!separated && !sep.empty() && text.compare(i, sep.size(), sep) == 0) {
            separated = true;
            i += sep.size();
        } else {
            return false;
        }
    }
    if (before == 0 || (separated && count == before))
        return false;
    const double magnitude = static_cast<double>(digits) / PowersOfTen[count - before];
    value = hasSign && text.front() == '-' ? -magnitude : magnitude;
    return true;
}

}  // namespace

bool ReadLocaleFloat(std::string_view text, const std::string& sep, double& value)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (ReadShortDecimal(text, sep, value))
        return true;
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        const bool atSeparator = !sep.empty() && text[i] == sep.front() && text.compare(i, sep.size(), sep) == 0;
        const char c = atSeparator ? '.' : text[i];
        const bool sign = (c == '-' || c == '+') && i == 0;
        if (!atSeparator && !sign && (c < '0' || c > '9'))
            return false;  // no exponents, infinities or foreign separators
        if (c != '+')
            plain += c;
        i += atSeparator ? sep.size() : 1;
    }
    const char* end = plain.data() + plain.size();
    double parsed = 0;
    const auto [stop, error] = std::from_chars(plain.data(), end, parsed, std::chars_format::fixed);
    if (plain.empty() || error != std::errc() || stop != end)
        return false;
    value = parsed;
    return true;
}

TStampKey ParseStampText(std::string_view text)
{
    const size_t dash = text.find('-');
    const std::string_view date = dash == std::string_view::npos ? std::string_view{} : text.substr(0, dash);
    std::string_view time = dash == std::string_view::npos ? text : text.substr(dash + 1);

    const auto next = [](std::string_view& rest, char separator) {
        const size_t at = rest.find(separator);
        const std::string_view piece = rest.substr(0, at);
        rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
        return IntegerOr0(piece);
    };
    std::string_view dateRest = date;
    const int64_t day = next(dateRest, '.');
    const int64_t month = next(dateRest, '.');
    const int64_t year = IntegerOr0(dateRest);
    const int64_t hours = next(time, ':');
    const int64_t minutes = next(time, ':');
    const int64_t seconds = next(time, '.');
    const int64_t hundredths = IntegerOr0(time);
    return {DateKeyValue(year, month, day), TimeOfDayValue(hours, minutes, seconds, hundredths)};
}

double ParsePrefixedNumber(std::string_view text, const std::string& sep)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == ',' || c == '.')
            continue;
        double value = 0;
        if (!ReadLocaleFloat(text.substr(0, i), sep, value))
            continue;
        // Binary prefixes, each ten powers of two above the one before; any other letter is the unit's.
        constexpr std::string_view prefixes = "kmgtpe";
        const size_t prefix = prefixes.find(platform::AsciiLower(c));
        return prefix == std::string_view::npos ? value : std::ldexp(value, 10 * static_cast<int>(prefix + 1));
    }
    return 0;
}

double SortKey(const TRowCells& row, int column, const std::string& sep)
{
    if (column < 0 || static_cast<size_t>(column) >= row.size())
        return 0;
    return CellSortKey(row[column], column, sep);
}

double CellSortKey(std::string_view cell, int column, const std::string& sep)
{
    if (column < 0 || static_cast<size_t>(column) >= TableColumns.size())
        return 0;
    switch (TableColumns[static_cast<size_t>(column)].Kind) {
    case TCellKind::Count:
        return static_cast<double>(IntegerOr0(cell));
    case TCellKind::Stamp: {
        const TStampKey key = ParseStampText(cell);
        return static_cast<double>(key.DateKey) * 16'777'216 + static_cast<double>(key.Time);
    }
    case TCellKind::Seconds:
        return TruncatedThousandths(cell, 's', sep);
    case TCellKind::Bitrate:
        return TruncatedThousandths(cell, 'b', sep);
    case TCellKind::Prefixed:
        return ParsePrefixedNumber(cell, sep);
    case TCellKind::Money:
        return TruncatedThousandths(cell, ' ', sep);
    case TCellKind::Name:
        break;
    }
    return 0;
}

}  // namespace kellvar
