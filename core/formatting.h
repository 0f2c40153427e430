#pragma once

#include "logstamp.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kellvar {

// The display shapes of numbers, durations and dates. Only FloatText depends
// on the user's locale, through the decimal separator it is given. Each Append
// form adds the same text to the end of a string, for callers that build long
// texts without a string per value.

// Shortest fixed notation with at most 15 significant digits, no thousands separators.
std::string FloatText(double value, std::string_view decimalSeparator);
void AppendFloatText(std::string& text, double value, std::string_view decimalSeparator);

// hh:mm:ss.cc from hundredths of a second; hours are padded to two digits and never folded into days.
std::string FormatClock(int64_t hundredths);

// Day.Month.Year without padding.
std::string FormatDateParts(const TDateParts& parts);

// Value with a binary prefix (K to E) once it exceeds ten of that prefix's units,
// rounded to 1/scale; scale 0 gives FloatText unchanged.
std::string FormatPrefixed(int32_t scale, double value, std::string_view decimalSeparator);
void AppendPrefixed(std::string& text, int32_t scale, double value, std::string_view decimalSeparator);

// The table's stamp text, for example 5.1.2000-12:33:54.56.
std::string StampText(const TDateParts& parts, int32_t timeOfDay);
void AppendStampText(std::string& text, const TDateParts& parts, int32_t timeOfDay);

// Round half to even, the rounding of every float-to-integer conversion.
int64_t RoundHalfEven(long double value);

// The quotient of two integers rounded half to even, exactly (divisor > 0).
int64_t DivideHalfEven(int64_t value, int64_t divisor);

}  // namespace kellvar
