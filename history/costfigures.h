// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tariffs.h"
#include "core/usagelimits.h"
#include "lang/costtexts.h"

#include <string>
#include <vector>

namespace kellvar {

// One figure of what the connections cost, as the Costs page and the
// report's summary show it.
struct TCostFigure {
    TCostWording Caption;
    std::string Value;
    // The name the report's summary gives the figure's raw value.
    const char* Field;
};

// The total, the mean per connection and per hour online, and how many
// connections no tariff priced; "-" where there is no value.
std::vector<TCostFigure> CostFigures(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator);

// The figures as the report's summary adds them: "caption: TAB value LF".
std::string CostFigureLines(const std::vector<TCostFigure>& figures, bool german);

// A limit's bar: what it says and how full it is (0 to 100; the projection
// where the limit holds it). "month:cost~>40: 12.34 so far, 45.10 foreseen
// (2000-01-01 to 2000-01-31)".
struct TLimitBar {
    std::string Text;
    // Of the limit, at most 100; and as far past it as the period went, at most 999.
    int Percent = 0;
    int Reached = 0;
    bool Exceeded = false;
};
TLimitBar LimitBar(const TLimitCheck& check, bool german, std::string_view decimalSeparator, const TTariff* money);

// The billing month that holds today: "Billing month 2000-01-01 to
// 2000-01-31: 17:33:00 online so far, 90:40:30 foreseen; 134.89Mbyte so far,
// 696.92Mbyte foreseen" and, with tariffs, the costs.
std::string MonthEstimateText(const TPeriodEstimate& month, bool german, std::string_view decimalSeparator,
                              const TTariff* money);

}  // namespace kellvar
