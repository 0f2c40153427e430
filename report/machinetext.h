#pragma once

#include "core/logstamp.h"

#include <cstdint>
#include <string>
#include <string_view>

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

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// A JSON string with its quotes; bytes that are no valid UTF-8 (a file name
// may hold them) become U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace kellvar
