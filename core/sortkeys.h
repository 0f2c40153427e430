// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rowtexts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kellvar {

// Reads a number written with the locale's decimal separator ("34,44" or "34.44").
bool ReadLocaleFloat(std::string_view text, const std::string& decimalSeparator, double& value);

// A stamp text "Day.Month.Year-hh:mm:ss.cc" back as its date key and time of day;
// pieces that do not read count as 0, so 0.0.0 gives the date key -32.
struct TStampKey {
    int64_t DateKey = 0;
    int64_t Time = 0;
};
TStampKey ParseStampText(std::string_view text);

// "12.06Kbyte" back as 12,349.44: the number before the first letter that
// follows a readable number, times the binary factor of that letter.
double ParsePrefixedNumber(std::string_view text, const std::string& decimalSeparator);

// The value a row sorts by in a column; rows missing the cell sort as 0.
double SortKey(const TRowCells& row, int column, const std::string& decimalSeparator);
// The value of the cell's text in its column.
double CellSortKey(std::string_view cell, int column, const std::string& decimalSeparator);

}  // namespace kellvar
