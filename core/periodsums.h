// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionsums.h"
#include "periodspans.h"
#include "tariffs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kellvar {

// The periods as --by names them and the JSON output writes them.
inline constexpr std::array<std::pair<std::string_view, TPeriod>, 7> PeriodNames = {{{"day", TPeriod::Day},
                                                                                     {"week", TPeriod::Week},
                                                                                     {"billing", TPeriod::Billing},
                                                                                     {"month", TPeriod::Month},
                                                                                     {"year", TPeriod::Year},
                                                                                     {"hour", TPeriod::Hour},
                                                                                     {"weekday", TPeriod::Weekday}}};

std::string_view PeriodName(TPeriod period);

// The connections of one period, by the date of their connect stamp (a
// connection across a period's end counts where it began).
struct TPeriodTotal {
    std::string Period;  // the period's name (PeriodSpan)
    TConnectionSums Sums;
    TCostSums Costs;  // shown only when the report prices
};

// The name of the period a connection counts in by its connect date, as
// TPeriodTotals names it: "2000-01-03", "2000-W01", "2000-01" or "2000".
std::string PeriodNameOf(TPeriod period, const TDateParts& connectDate, const TPeriodRules& rules);

// The periods with the most bytes (received and sent), largest first; equal
// byte counts keep their order.
std::vector<TPeriodTotal> TopPeriods(std::vector<TPeriodTotal> periods, int64_t top);

// Adds the connections up per period as they come, one total a period, kept
// in time order: a log read in time order only ever adds at the end.
class TPeriodTotals {
public:
    explicit TPeriodTotals(TPeriod period, TPeriodRules rules = {}) : period_(period), rules_(rules) {}

    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost = std::nullopt);
    // In time order.
    const std::vector<TPeriodTotal>& Periods() const { return totals_; }
    std::vector<TPeriodTotal> Top(int64_t top) const { return TopPeriods(totals_, top); }

private:
    TPeriod period_;
    TPeriodRules rules_;
    TPeriodSpan lastSpan_{1, 0, {}};  // holds no day until the first connection
    int32_t lastSpanKey_ = 0;
    std::vector<int32_t> keys_;  // the periods' date keys, ascending
    std::vector<TPeriodTotal> totals_;
};

// The sums of all the periods given.
TPeriodTotal GrandTotal(const std::vector<TPeriodTotal>& periods);

}  // namespace kellvar
