#include "formatting.h"

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

// Writes n hundredths as "integer[.f[f]]" with trailing zeros dropped.
std::string HundredthsText(long long n, const std::string& decimalSeparator)
{
    std::array<char, 32> digits{};
    const unsigned long long magnitude = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : n;
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude / 100).ptr;
    std::string text;
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
    return text;
}

char* TwoDigits(char* out, long long value)
{
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

}  // namespace

std::string FloatText(double value, const std::string& decimalSeparator)
{
    // The program shows whole numbers of hundredths; for them 15 significant
    // digits are exactly the decimal digits, written here without printf.
    const double scaled = value * 100;
    if (std::fabs(scaled) < 1e15) {
        // Any rounding to the nearest whole number does here: the result is checked.
        const auto hundredths = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
        if (static_cast<double>(hundredths) / 100 == value)
            return HundredthsText(hundredths, decimalSeparator);
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

namespace {

char* WriteClock(char* out, int64_t hundredths)
{
    const long long hours = hundredths / 360'000;
    out = hours < 10 ? TwoDigits(out, hours) : std::to_chars(out, out + 24, hours).ptr;
    *out++ = ':';
    out = TwoDigits(out, hundredths / 6'000 % 60);
    *out++ = ':';
    out = TwoDigits(out, hundredths / 100 % 60);
    *out++ = '.';
    return TwoDigits(out, hundredths % 100);
}

char* WriteDateParts(char* out, const TDateParts& parts)
{
    out = std::to_chars(out, out + 12, parts.Day).ptr;
    *out++ = '.';
    out = std::to_chars(out, out + 12, parts.Month).ptr;
    *out++ = '.';
    return std::to_chars(out, out + 12, parts.Year).ptr;
}

}  // namespace

std::string FormatClock(int64_t hundredths)
{
    if (hundredths < 0) {
        std::string text = FormatClock(-hundredths);
        text.insert(text.begin(), '-');
        return text;
    }
    std::array<char, 40> text{};
    return std::string(text.data(), WriteClock(text.data(), hundredths));
}

std::string FormatDateParts(const TDateParts& parts)
{
    std::array<char, 40> text{};
    return std::string(text.data(), WriteDateParts(text.data(), parts));
}

std::string FormatPrefixed(int32_t scale, double value, const std::string& decimalSeparator)
{
    if (scale == 0)
        return FloatText(value, decimalSeparator);

    struct TPrefix {
        long double Unit;
        const char* Letter;
    };
    static constexpr std::array<TPrefix, 6> prefixes = {
        {{0x1p60L, "E"}, {0x1p50L, "P"}, {0x1p40L, "T"}, {0x1p30L, "G"}, {0x1p20L, "M"}, {0x1p10L, "K"}}};
    long double divisor = 1;
    const char* letter = "";
    for (const TPrefix& prefix : prefixes) {
        if (value > 10 * prefix.Unit) {
            divisor = prefix.Unit;
            letter = prefix.Letter;
            break;
        }
    }
    const int64_t quotient = RoundHalfEven(value / divisor * scale);
    return FloatText(static_cast<double>(quotient) / scale, decimalSeparator) + letter;
}

std::string StampText(const TDateParts& parts, int32_t timeOfDay)
{
    if (timeOfDay < 0)
        return FormatDateParts(parts) + "-" + FormatClock(timeOfDay);
    std::array<char, 80> text{};
    char* out = WriteDateParts(text.data(), parts);
    *out++ = '-';
    return std::string(text.data(), WriteClock(out, timeOfDay));
}

}  // namespace kellvar
