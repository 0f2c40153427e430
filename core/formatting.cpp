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

// Appends n hundredths as "integer[.f[f]]" with trailing zeros dropped.
void AppendHundredths(std::string& text, long long n, std::string_view decimalSeparator)
{
    std::array<char, 32> digits{};
    const unsigned long long magnitude = Magnitude(n);
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude / 100).ptr;
    if (n < 0)
        text += '-';
    text.append(digits.data(), end);
    const unsigned fraction = magnitude % 100;
    if (fraction != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
}

char* TwoDigits(char* out, unsigned long long value)
{
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// At most a sign, 20 digits of hours and ":mm:ss.cc".
constexpr size_t ClockRoom = 40;

char* WriteClock(char* out, int64_t hundredths)
{
    if (hundredths < 0)
        *out++ = '-';
    const unsigned long long magnitude = Magnitude(hundredths);
    const unsigned long long hours = magnitude / 360'000;
    out = hours < 10 ? TwoDigits(out, hours) : std::to_chars(out, out + 24, hours).ptr;
    *out++ = ':';
    out = TwoDigits(out, magnitude / 6'000 % 60);
    *out++ = ':';
    out = TwoDigits(out, magnitude / 100 % 60);
    *out++ = '.';
    return TwoDigits(out, magnitude % 100);
}

// At most three signed 32-bit numbers and two dots.
constexpr size_t DateRoom = 36;

char* WriteDateParts(char* out, const TDateParts& parts)
{
    out = std::to_chars(out, out + 12, parts.Day).ptr;
    *out++ = '.';
    out = std::to_chars(out, out + 12, parts.Month).ptr;
    *out++ = '.';
    return std::to_chars(out, out + 12, parts.Year).ptr;
}

}  // namespace

void AppendFloatText(std::string& text, double value, std::string_view decimalSeparator)
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
            AppendHundredths(text, hundredths, decimalSeparator);
            return;
        }
    }
    std::array<char, 64> digits{};
    std::snprintf(digits.data(), digits.size(), "%.15g", value);
    std::string printed(digits.data());
    if (printed.find_first_of("eE") != std::string::npos) {
        // Outside the range the program formats; keep it readable in fixed notation.
        std::array<char, 512> fixed{};
        std::snprintf(fixed.data(), fixed.size(), "%.15f", value);
        printed = fixed.data();
        printed.erase(printed.find_last_not_of('0') + 1);
        if (printed.back() == '.')
            printed.pop_back();
    }
    const size_t point = printed.find('.');
    if (point != std::string::npos)
        printed.replace(point, 1, decimalSeparator);
    text += printed;
}

std::string FloatText(double value, std::string_view decimalSeparator)
{
    std::string text;
    AppendFloatText(text, value, decimalSeparator);
    return text;
}

std::string FormatClock(int64_t hundredths)
{
    std::array<char, ClockRoom> text{};
    return std::string(text.data(), WriteClock(text.data(), hundredths));
}

std::string FormatDateParts(const TDateParts& parts)
{
    std::array<char, DateRoom> text{};
    return std::string(text.data(), WriteDateParts(text.data(), parts));
}

void AppendPrefixed(std::string& text, int32_t scale, double value, std::string_view decimalSeparator)
{
    if (scale == 0) {
        AppendFloatText(text, value, decimalSeparator);
        return;
    }

    struct TPrefix {
        long double Unit;
        char Letter;
    };
    static constexpr std::array<TPrefix, 6> prefixes = {
        {{0x1p60L, 'E'}, {0x1p50L, 'P'}, {0x1p40L, 'T'}, {0x1p30L, 'G'}, {0x1p20L, 'M'}, {0x1p10L, 'K'}}};
    const auto prefix = std::ranges::find_if(prefixes, [value](const TPrefix& p) { return value > 10 * p.Unit; });
    const long double divisor = prefix == prefixes.end() ? 1 : prefix->Unit;
    AppendFloatText(text, static_cast<double>(RoundHalfEven(value / divisor * scale)) / scale, decimalSeparator);
    if (prefix != prefixes.end())
        text += prefix->Letter;
}

std::string FormatPrefixed(int32_t scale, double value, std::string_view decimalSeparator)
{
    std::string text;
    AppendPrefixed(text, scale, value, decimalSeparator);
    return text;
}

void AppendStampText(std::string& text, const TDateParts& parts, int32_t timeOfDay)
{
    std::array<char, DateRoom + 1 + ClockRoom> stamp{};
    char* out = WriteDateParts(stamp.data(), parts);
    *out++ = '-';
    text.append(stamp.data(), WriteClock(out, timeOfDay));
}

std::string StampText(const TDateParts& parts, int32_t timeOfDay)
{
    std::string text;
    AppendStampText(text, parts, timeOfDay);
    return text;
}

}  // namespace kellvar
