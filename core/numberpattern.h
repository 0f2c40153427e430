// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kellvar {

// A dialled number's pattern, as tariff files and --number give it: digits,
// '*' for any digits (none included) and '?' for one.
bool IsNumberPattern(std::string_view pattern);

// Whether the number, digits only, fits the pattern; a number with anything
// but digits (one the driver hid) fits none.
bool NumberMatches(std::string_view pattern, std::string_view number);

}  // namespace kellvar
