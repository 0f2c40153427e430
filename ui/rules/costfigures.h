// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tariffs.h"
#include "lang/costtexts.h"

#include <string>
#include <vector>

namespace kellvar {

// One figure of what the connections cost, as the Costs page and the
// report's summary show it.
struct TCostFigure {
    TCostWording Caption;
    std::string Value;
};

// The total, the mean per connection and per hour online, and how many
// connections no tariff priced; "-" where there is no value.
std::vector<TCostFigure> CostFigures(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator);

// The figures as the report's summary adds them: "caption: TAB value LF".
std::string CostFigureLines(const std::vector<TCostFigure>& figures, bool german);

}  // namespace kellvar
