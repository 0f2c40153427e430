// SPDX-License-Identifier: GPL-3.0-or-later
#include "machinetext.h"

#include "core/formatting.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kellvar {

namespace {

// A value too wide for its place: all its digits.
[[gnu::noinline]] char* WriteWide(char* out, uint64_t value)
{
    return std::to_chars(out, out + 24, value).ptr;
}

// The value with at least two digits, a zero in front.
char* WriteTwoDigits(char* out, uint64_t value)
{
    if (value >= 100)
        return WriteWide(out, value);
    return WriteDigitPair(out, static_cast<unsigned>(value));
}

// The value with at least four digits, zeros in front.
char* WriteFourDigits(char* out, uint64_t value)
{
    if (value >= 10'000)
        return WriteWide(out, value);
    return WriteTwoDigits(WriteTwoDigits(out, value / 100), value % 100);
}

}  // namespace

char* WriteDecimalHundredths(char* out, int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    if (negative)
        *out++ = '-';
    out = std::to_chars(out, out + 24, magnitude / 100).ptr;
    *out++ = '.';
    return WriteTwoDigits(out, magnitude % 100);
}

namespace {

// The value's decimal digits when it is whole below 2^53 or a number of
// hundredths with at most 15 digits: no shorter decimal reads back as the
// same double then (every such decimal has a double of its own, and
// doubles are at most 1 apart below 2^53). Digits without leading or
// trailing zeros; Exponent is the power of ten of the first one.
struct TExactDecimal {
    char Digits[20];
    int Count = 0;
    int Exponent = 0;
    bool Negative = false;
};

bool ReadExactDecimal(double value, TExactDecimal& decimal)
{
    constexpr double WholeLimit = 9007199254740992.0;  // 2^53
    constexpr double HundredthsLimit = 1e15;
    const double magnitude = std::fabs(value);
    uint64_t units = 0;
    int scale = 0;  // the power of ten of units' last digit
    if (magnitude < WholeLimit && magnitude == std::floor(magnitude)) {
        units = static_cast<uint64_t>(magnitude);
    } else if (magnitude * 100 < HundredthsLimit) {
        units = static_cast<uint64_t>(std::llrint(magnitude * 100));
        scale = -2;
        if (static_cast<double>(units) / 100 != magnitude)
            return false;
    } else {
        return false;  // NaN and infinities too
    }
    decimal.Negative = std::signbit(value);
    if (units == 0) {
        decimal.Digits[0] = '0';
        decimal.Count = 1;
        decimal.Exponent = 0;
        return true;
    }
    while (units % 10 == 0) {
        units /= 10;
        ++scale;
    }
    const char* end = std::to_chars(decimal.Digits, decimal.Digits + sizeof decimal.Digits, units).ptr;
    decimal.Count = static_cast<int>(end - decimal.Digits);
    decimal.Exponent = scale + decimal.Count - 1;
    return true;
}

// Fixed notation, "1234.5" or "0.05"; zero's single digit stands as it is.
char* WriteFixed(char* out, const TExactDecimal& d)
{
    const int whole = d.Exponent + 1;  // digits before the point
    if (whole <= 0) {
        out = WriteText(out, "0.");
        out = std::fill_n(out, -whole, '0');
        return std::copy_n(d.Digits, d.Count, out);
    }
    if (whole >= d.Count)
        return std::fill_n(std::copy_n(d.Digits, d.Count, out), whole - d.Count, '0');
    out = std::copy_n(d.Digits, whole, out);
    *out++ = '.';
    return std::copy_n(d.Digits + whole, d.Count - whole, out);
}

int FixedLength(const TExactDecimal& d)
{
    const int whole = d.Exponent + 1;
    if (whole <= 0)
        return 2 - whole + d.Count;
    return whole >= d.Count ? whole : d.Count + 1;
}

// Scientific notation as printf's %e writes it: "3.6e+07", "5e-03".
char* WriteScientific(char* out, const TExactDecimal& d)
{
    *out++ = d.Digits[0];
    if (d.Count > 1) {
        *out++ = '.';
        out = std::copy_n(d.Digits + 1, d.Count - 1, out);
    }
    *out++ = 'e';
    *out++ = d.Exponent < 0 ? '-' : '+';
    const int exponent = d.Exponent < 0 ? -d.Exponent : d.Exponent;
    if (exponent >= 100)
        *out++ = static_cast<char>('0' + exponent / 100);
    return WriteTwoDigits(out, static_cast<uint64_t>(exponent % 100));
}

int ScientificLength(const TExactDecimal& d)
{
    const int exponent = d.Exponent < 0 ? -d.Exponent : d.Exponent;
    return d.Count + (d.Count > 1 ? 1 : 0) + 2 + (exponent >= 100 ? 3 : 2);
}

}  // namespace

char* WriteShortestNumber(char* out, double value)
{
    TExactDecimal decimal;
    if (!ReadExactDecimal(value, decimal))
        return std::to_chars(out, out + 32, value).ptr;
    if (decimal.Negative)
        *out++ = '-';
    // The shorter notation; fixed where both are as long.
    return ScientificLength(decimal) < FixedLength(decimal) ? WriteScientific(out, decimal) : WriteFixed(out, decimal);
}

std::string ShortestNumber(double value)
{
    char text[40];
    return {text, WriteShortestNumber(text, value)};
}

char* WriteIsoStamp(char* out, int32_t dateKey, const TDateParts& parts, int32_t timeOfDay)
{
    if (dateKey == 0)
        return out;
    // A part below 0 is written as 0; so is every piece of a time below 0.
    const auto part = [](int32_t value) { return static_cast<uint32_t>(value < 0 ? 0 : value); };
    const uint32_t t = part(timeOfDay);
    out = WriteFourDigits(out, part(parts.Year));
    out = WriteTwoDigits(WriteChar(out, '-'), part(parts.Month));
    out = WriteTwoDigits(WriteChar(out, '-'), part(parts.Day));
    out = WriteTwoDigits(WriteChar(out, 'T'), t / 360'000);
    out = WriteTwoDigits(WriteChar(out, ':'), t / 6'000 % 60);
    out = WriteTwoDigits(WriteChar(out, ':'), t / 100 % 60);
    return WriteTwoDigits(WriteChar(out, '.'), t % 100);
}

std::string HundredthsDecimal(int64_t hundredths)
{
    char text[32];
    return {text, WriteDecimalHundredths(text, hundredths)};
}

std::string IsoDate(const TDateParts& parts)
{
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", parts.Year, parts.Month, parts.Day);
    return text.data();
}

std::string IsoStamp(int32_t dateKey, const TDateParts& parts, int32_t timeOfDay)
{
    char text[64];
    return {text, WriteIsoStamp(text, dateKey, parts, timeOfDay)};
}

bool ParseIsoDate(std::string_view text, TDateParts& parts)
{
    const auto digits = [&](size_t from, size_t count, int32_t& value) {
        value = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(0, 4, parts.Year) || !digits(5, 2, parts.Month)
        || !digits(8, 2, parts.Day))
        return false;
    constexpr std::array<int32_t, 12> MonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (parts.Month < 1 || parts.Month > 12 || parts.Day < 1 || parts.Day > MonthDays[parts.Month - 1])
        return false;
    const bool leap = (parts.Year % 4 == 0 && parts.Year % 100 != 0) || parts.Year % 400 == 0;
    return !(parts.Month == 2 && parts.Day == 29 && !leap);
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

TField NoneField(const char* name)
{
    return {name, TField::None, 0, {}};
}

TField IntegerField(const char* name, int64_t value)
{
    return {name, TField::Integer, value, {}};
}

TField HundredthsField(const char* name, int64_t value)
{
    return {name, TField::Hundredths, value, {}};
}

TField QuotientField(const char* name, int64_t numerator, int64_t denominator)
{
    return denominator == 0 ? NoneField(name) : HundredthsField(name, DivideHalfEven(numerator * 100, denominator));
}

TField TextField(const char* name, std::string value)
{
    return {name, TField::Text, 0, std::move(value)};
}

TField DecimalField(const char* name, std::string digits)
{
    return {name, TField::Decimal, 0, std::move(digits)};
}

TField BooleanField(const char* name, bool value)
{
    return {name, TField::Boolean, value ? 1 : 0, {}};
}

std::string FieldText(const TField& field)
{
    switch (field.Kind) {
    case TField::Integer:
        return std::to_string(field.Number);
    case TField::Hundredths:
        return HundredthsDecimal(field.Number);
    case TField::Boolean:
        return field.Number != 0 ? "true" : "false";
    case TField::Decimal:
    case TField::Text:
        return field.String;
    case TField::None:
        break;
    }
    return {};
}

std::string CsvTextField(std::string_view text)
{
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return CsvField(formula ? "'" + std::string(text) : std::string(text));
}

std::string JsonString(std::string_view text)
{
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string CsvLine(const TFields& fields, bool names)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        line += i == 0 ? "" : ",";
        // Numbers stay numbers; only texts can be taken for formulas.
        line += names                            ? CsvField(fields[i].Name)
                : fields[i].Kind == TField::Text ? CsvTextField(fields[i].String)
                                                 : CsvField(FieldText(fields[i]));
    }
    return line + '\n';
}

std::string JsonObject(const TFields& fields)
{
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const TField& field : fields) {
        nlohmann::ordered_json& value = object[field.Name];
        if (field.Kind == TField::Integer)
            value = field.Number;
        else if (field.Kind == TField::Hundredths)
            value = static_cast<double>(field.Number) / 100;
        else if (field.Kind == TField::Text)
            value = field.String;
        else if (field.Kind == TField::Decimal)
            value = nlohmann::ordered_json::parse(field.String);
        else if (field.Kind == TField::Boolean)
            value = field.Number != 0;
    }
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string JsonDocumentOpening(const std::string& headJson)
{
    return headJson.substr(0, headJson.size() - 1) + ",";
}

}  // namespace kellvar
