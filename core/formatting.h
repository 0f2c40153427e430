// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logstamp.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace kellvar {

// The display shapes of numbers, durations and dates. Only FloatText depends
// on the user's locale, through the decimal separator it is given.

// Shortest fixed notation with at most 15 significant digits, no thousands separators.
std::string FloatText(double value, std::string_view decimalSeparator);

// hh:mm:ss.cc from hundredths of a second; hours are padded to two digits and never folded into days.
std::string FormatClock(int64_t hundredths);

// Value with a binary prefix (K to E) once it exceeds ten of that prefix's units,
// rounded to 1/scale; scale 0 gives FloatText unchanged.
std::string FormatPrefixed(int32_t scale, double value, std::string_view decimalSeparator);
// A byte count as the overview and the tables show it: hundredths of a
// prefixed unit, "byte" after it ("1.50Kbyte").
std::string FormatBytes(double value, std::string_view decimalSeparator);

// The binary prefix of a value: the largest (K to E) of whose unit it exceeds
// ten; unit 1 and letter 0 for none.
struct TBinaryPrefix {
    double Unit = 1;
    char Letter = 0;
};
TBinaryPrefix BinaryPrefix(double value);

// FormatPrefixed's rounding (scale > 0): the value in 1/scale of the prefix's
// unit, and the prefix letter, 0 for none.
struct TPrefixed {
    int64_t Quotient = 0;
    char Letter = 0;
};
TPrefixed Prefixed(int32_t scale, double value);

// Text for a terminal: control characters (C0, DEL and C1) shown as
// visible escapes ("\x1b"), so that a name from a file can neither move the
// cursor nor retitle the terminal. Other UTF-8 stays as it is.
std::string VisibleText(std::string_view text);

// Writers for long texts built without a string per value, such as the
// table's rows: each writes at out and returns the end of what it wrote.

// A value below 100 as two digits, a zero in front of one below 10: a pair
// from a table, since every stamp of every row comes through here.
inline char* WriteDigitPair(char* out, unsigned value)
{
    static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    return std::copy_n(&Pairs[value * 2], 2, out);
}

// A whole number of hundredths as FloatText writes hundredths / 100, which is
// what it writes for every value below 10^13 held in hundredths (a duration d
// shows as FloatText(d * 0.01)). Needs HundredthsRoom bytes and the separator's.
inline constexpr size_t HundredthsRoom = 24;
char* WriteHundredths(char* out, int64_t hundredths, std::string_view decimalSeparator);

// The table's stamp text, for example 5.1.2000-12:33:54.56; needs
// StampTextRoom bytes.
inline constexpr size_t StampTextRoom = 80;
char* WriteStampText(char* out, const TDateParts& parts, int32_t timeOfDay);

// Round half to even, the rounding of every float-to-integer conversion.
int64_t RoundHalfEven(long double value);

// The quotient of two integers rounded half to even, exactly (divisor > 0).
int64_t DivideHalfEven(int64_t value, int64_t divisor);

}  // namespace kellvar
