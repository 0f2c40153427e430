// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kellvar {

int64_t RoundHalfEven(long double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::llrint(value);
}

int64_t DivideHalfEven(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    const int64_t remainder = value % divisor;  // has the sign of value
    const int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    const int64_t away = value < 0 ? -1 : 1;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += away;
    return quotient;
}

namespace {

// |n|, also for the most negative value.
unsigned long long Magnitude(long long n)
{
    return n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
}

// At most a sign, 20 digits of hours and ":mm:ss.cc".
constexpr size_t ClockRoom = 40;

char* WriteClock(char* out, int64_t hundredths)
{
    if (hundredths < 0)
        *out++ = '-';
    const unsigned long long magnitude = Magnitude(hundredths);
    const unsigned long long hours = magnitude / 360'000;
    out = hours < 10 ? WriteDigitPair(out, static_cast<unsigned>(hours)) : std::to_chars(out, out + 24, hours).ptr;
    *out++ = ':';
    out = WriteDigitPair(out, static_cast<unsigned>(magnitude / 6'000 % 60));
    *out++ = ':';
    out = WriteDigitPair(out, static_cast<unsigned>(magnitude / 100 % 60));
    *out++ = '.';
    return WriteDigitPair(out, static_cast<unsigned>(magnitude % 100));
}

// At most three signed 32-bit numbers and two dots.
constexpr size_t DateRoom = 36;

// A part of a date as to_chars writes it; days, months and years of four
// digits by pairs of digits.
char* WriteDatePart(char* out, int32_t value)
{
    if (value >= 0 && value < 10) {
        *out = static_cast<char>('0' + value);
        return out + 1;
    }
    if (value >= 10 && value < 100)
        return WriteDigitPair(out, static_cast<unsigned>(value));
    if (value >= 1000 && value < 10'000)
        return WriteDigitPair(WriteDigitPair(out, static_cast<unsigned>(value / 100)),
                              static_cast<unsigned>(value % 100));
    return std::to_chars(out, out + 12, value).ptr;
}

char* WriteDateParts(char* out, const TDateParts& parts)
{
    out = WriteDatePart(out, parts.Day);
    *out++ = '.';
    out = WriteDatePart(out, parts.Month);
    *out++ = '.';
    return WriteDatePart(out, parts.Year);
}

}  // namespace

char* WriteHundredths(char* out, int64_t hundredths, std::string_view decimalSeparator)
{
    if (hundredths < 0)
        *out++ = '-';
    const unsigned long long magnitude = Magnitude(hundredths);
    out = std::to_chars(out, out + HundredthsRoom, magnitude / 100).ptr;
    const unsigned fraction = magnitude % 100;
    if (fraction == 0)
        return out;
    out = std::copy(decimalSeparator.begin(), decimalSeparator.end(), out);
    *out++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0)
        *out++ = static_cast<char>('0' + fraction % 10);
    return out;
}

std::string FloatText(double value, std::string_view decimalSeparator)
{
    // The program shows whole numbers of hundredths; for them 15 significant
    // digits are exactly the decimal digits, written here without printf.
    // A value one step off the nearest double (x * 0.01 often is) rounds to
    // the same 15 digits: the step is below half a unit of the 15th digit.
    const double scaled = value * 100;
    if (std::fabs(scaled) < 1e15) {
        // Any rounding to the nearest whole number does here: the result is checked.
        const auto hundredths = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
        const double nearest = static_cast<double>(hundredths) / 100;
        if (nearest == value || (hundredths != 0 && std::nextafter(nearest, value) == value)) {
            std::string text(HundredthsRoom + decimalSeparator.size(), '\0');
            text.resize(static_cast<size_t>(WriteHundredths(text.data(), hundredths, decimalSeparator) - text.data()));
            return text;
        }
    }
    std::array<char, 64> digits{};
    std::snprintf(digits.data(), digits.size(), "%.15g", value);
    std::string text(digits.data());
    if (text.find_first_of("eE") != std::string::npos) {
        // Outside the range the program formats; keep it readable in fixed notation.
        std::array<char, 512> fixed{};
        std::snprintf(fixed.data(), fixed.size(), "%.15f", value);
        text = fixed.data();
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    const size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string FormatClock(int64_t hundredths)
{
    std::array<char, ClockRoom> text{};
    return std::string(text.data(), WriteClock(text.data(), hundredths));
}

TBinaryPrefix BinaryPrefix(double value)
{
    // Powers of two: the division is exact, and the product with the scale
    // is taken in extended precision.
    static constexpr std::array<TBinaryPrefix, 6> prefixes = {
        {{0x1p60, 'E'}, {0x1p50, 'P'}, {0x1p40, 'T'}, {0x1p30, 'G'}, {0x1p20, 'M'}, {0x1p10, 'K'}}};
    const auto prefix = std::ranges::find_if(prefixes, [value](const TBinaryPrefix& p) { return value > 10 * p.Unit; });
    return prefix == prefixes.end() ? TBinaryPrefix{} : *prefix;
}

TPrefixed Prefixed(int32_t scale, double value)
{
    const TBinaryPrefix prefix = BinaryPrefix(value);
    return {RoundHalfEven(static_cast<long double>(value) / prefix.Unit * scale), prefix.Letter};
}

std::string FormatBytes(double value, std::string_view decimalSeparator)
{
    return FormatPrefixed(100, value, decimalSeparator) + "byte";
}

std::string FormatPrefixed(int32_t scale, double value, std::string_view decimalSeparator)
{
    if (scale == 0)
        return FloatText(value, decimalSeparator);
    const TPrefixed prefixed = Prefixed(scale, value);
    std::string text = FloatText(static_cast<double>(prefixed.Quotient) / scale, decimalSeparator);
    if (prefixed.Letter != 0)
        text += prefixed.Letter;
    return text;
}

static_assert(StampTextRoom >= DateRoom + 1 + ClockRoom);

char* WriteStampText(char* out, const TDateParts& parts, int32_t timeOfDay)
{
    out = WriteDateParts(out, parts);
    *out++ = '-';
    return WriteClock(out, timeOfDay);
}

std::string VisibleText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    constexpr std::string_view Hex = "0123456789abcdef";
    const auto escape = [&](unsigned char c) {
        shown += "\\x";
        shown += Hex[c >> 4];
        shown += Hex[c & 15];
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // C1 controls are U+0080 to U+009F: 0xC2 0x80 to 0xC2 0x9F in UTF-8.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            escape(next);
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            escape(c);
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

}  // namespace kellvar
