// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numberfigures.h"

#include <string>
#include <vector>

namespace kellvar {

// A number as people and scripts read it: the digits, or "hidden" or
// "unknown" (scripts read the English word, people the language chosen).
std::string NumberName(const TNumberFigures& figures, bool german);

// The columns of the table of numbers, in the report's text and on the
// window's Numbers page; the costs' two only with money.
enum class TNumberColumn {
    Number,
    Attempts,
    Connects,
    Success,
    MedianConnect,
    SlowConnect,
    LowestSpeed,
    MedianSpeed,
    HighestSpeed,
    CarrierLost,
    HungUpHere,
    TimeOnline,
    Received,
    Sent,
    Throughput,
    Costs,
    CostPerHour,
};
inline constexpr size_t NumberColumnCount = 17;
inline constexpr size_t NumberColumnsWithoutCosts = 15;

// A number's cells with the window's units, and the columns' captions.
std::vector<std::string> NumberRowTexts(const TNumberFigures& figures, bool german, const std::string& decimalSeparator,
                                        const TTariff* money);
std::vector<std::string> NumberHeadTexts(bool german, const TTariff* money);

// The value a column sorts by: counts, hundredths, bytes, costs; none sorts first.
std::optional<int64_t> NumberSortValue(const TNumberFigures& figures, TNumberColumn column);

}  // namespace kellvar
