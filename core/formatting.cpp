#include "formatting.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace kellvar {

int64_t RoundHalfEven(long double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::llrint(value);
}

std::string FloatText(double value, const std::string& decimalSeparator)
{
    if (value == 0)
        value = 0;  // no "-0"
    std::array<char, 64> digits{};
    std::snprintf(digits.data(), digits.size(), "%.15g", value);
    std::string text(digits.data());
    if (text.find_first_of("eE") != std::string::npos) {
        // Outside the range the program formats; keep it readable in fixed notation.
        std::array<char, 512> fixed{};
        std::snprintf(fixed.data(), fixed.size(), "%.15f", value);
        text = fixed.data();
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
    }
    const size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string FormatClock(int64_t hundredths)
{
    const int64_t hours = hundredths / 360'000;
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%02lld:%02lld:%02lld.%02lld", static_cast<long long>(hours),
                  static_cast<long long>(hundredths / 6'000 % 60), static_cast<long long>(hundredths / 100 % 60),
                  static_cast<long long>(hundredths % 100));
    return text.data();
}

std::string FormatDateParts(const TDateParts& parts)
{
    return std::to_string(parts.Day) + "." + std::to_string(parts.Month) + "." + std::to_string(parts.Year);
}

std::string FormatPrefixed(int32_t scale, double value, const std::string& decimalSeparator)
{
    if (scale == 0)
        return FloatText(value, decimalSeparator);

    struct TPrefix {
        int Power;
        const char* Letter;
    };
    static constexpr std::array<TPrefix, 6> prefixes = {
        {{60, "E"}, {50, "P"}, {40, "T"}, {30, "G"}, {20, "M"}, {10, "K"}}};
    long double divisor = 1;
    const char* letter = "";
    for (const TPrefix& prefix : prefixes) {
        const long double unit = std::ldexp(1.0L, prefix.Power);
        if (value > 10 * unit) {
            divisor = unit;
            letter = prefix.Letter;
            break;
        }
    }
    const int64_t quotient = RoundHalfEven(value / divisor * scale);
    return FloatText(static_cast<double>(quotient) / scale, decimalSeparator) + letter;
}

std::string StampText(const TDateParts& parts, int32_t timeOfDay)
{
    return FormatDateParts(parts) + "-" + FormatClock(timeOfDay);
}

}  // namespace kellvar
