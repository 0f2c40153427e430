// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/logstamp.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// Values as scripts read them: decimal point, no units, UTF-8, whatever the
// locale.

// Hundredths as a number with two decimals: 12345 -> "123.45".
std::string HundredthsDecimal(int64_t hundredths);

// A log stamp as ISO 8601 local time with hundredths, "2000-01-03T14:01:17.49";
// empty when its date could not be read.
std::string IsoStamp(int32_t dateKey, const TDateParts& parts, int32_t timeOfDay);

// A date as ISO 8601, "2000-01-03".
std::string IsoDate(const TDateParts& parts);

// Reads "YYYY-MM-DD" (a real calendar date); false for anything else.
bool ParseIsoDate(std::string_view text, TDateParts& parts);

// Writers for long texts built without a string per value: each writes at
// out and returns the end of what it wrote. A number needs at most 24 bytes,
// a stamp 40.
// Inline, so that a literal's length is known where it is written.
inline char* WriteChar(char* out, char c)
{
    *out = c;
    return out + 1;
}
inline char* WriteText(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}
inline char* WriteInteger64(char* out, int64_t value)
{
    return std::to_chars(out, out + 24, value).ptr;
}
// HundredthsDecimal's text.
char* WriteDecimalHundredths(char* out, int64_t hundredths);
// IsoStamp's text; nothing when the date could not be read.
char* WriteIsoStamp(char* out, int32_t dateKey, const TDateParts& parts, int32_t timeOfDay);

// The shortest text that reads back as the value, as std::to_chars(out,
// end, value) writes it: "12.5", "3.6e+07", "-0". Sort keys are mostly
// whole or in hundredths, and those are written from their digits without
// the general search, which took a tenth of an HTML report's time.
char* WriteShortestNumber(char* out, double value);
std::string ShortestNumber(double value);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
// A text of the user's (a tariff's name) as a CSV field: one that a
// spreadsheet would take for a formula ("=", "+", "-", "@", TAB or CR
// first) is led by an apostrophe, which spreadsheets read as "text".
std::string CsvTextField(std::string_view text);
// A text as a JSON string, quotes and escapes included.
std::string JsonString(std::string_view text);

// A named value of a connection, a period or the summary: a whole number,
// hundredths (two decimals), a decimal number as text (money in its
// currency's decimals), true or false, a text, or none where the log gave none.
struct TField {
    enum TKind { None, Integer, Hundredths, Decimal, Boolean, Text };
    const char* Name;
    TKind Kind = None;
    int64_t Number = 0;
    std::string String;
};
using TFields = std::vector<TField>;

TField NoneField(const char* name);
TField IntegerField(const char* name, int64_t value);
TField HundredthsField(const char* name, int64_t value);
// A quotient in hundredths, rounded half to even as the overview rounds; none
// for a zero divisor.
TField QuotientField(const char* name, int64_t numerator, int64_t denominator);
TField TextField(const char* name, std::string value);
TField DecimalField(const char* name, std::string digits);
TField BooleanField(const char* name, bool value);

// One CSV line of the fields' names or of their values (empty for none).
std::string CsvLine(const TFields& fields, bool names);
// One JSON object; hundredths are numbers, none is null.
std::string JsonObject(const TFields& fields);
// The field's value as CSV writes it.
std::string FieldText(const TField& field);

// The opening of a JSON document, up to and with the comma after its last
// head field: '{"format_version":2,...,'. The head is a JSON object.
std::string JsonDocumentOpening(const std::string& headJson);

}  // namespace kellvar
