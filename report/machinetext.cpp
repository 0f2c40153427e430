// SPDX-License-Identifier: GPL-3.0-or-later
#include "machinetext.h"

#include "core/formatting.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
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
