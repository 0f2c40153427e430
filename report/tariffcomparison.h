// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "periodtotals.h"

#include "core/tariffs.h"

#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// What each tariff would have cost for the same connections, per period or in
// total. Every connection is priced by every tariff, whatever numbers the
// tariffs name.
class TTariffComparison {
public:
    // No period: one total over all connections.
    TTariffComparison(const TTariffs& tariffs, std::optional<TPeriod> period);

    void Add(const TConnectionRecord& record);

    // One row a period in time order, or the total alone; a cost sum per
    // tariff, and what choosing the cheapest tariff for every connection
    // would have cost (in the first file's currency, of the files in it).
    struct TRow {
        std::string Period;
        std::vector<TCostSums> Costs;
        TCostSums Least;
    };
    std::vector<TRow> Rows() const;
    TRow Total() const;
    const TTariffs& Tariffs() const { return tariffs_; }

private:
    const TTariffs& tariffs_;
    std::optional<TPeriod> period_;
    std::vector<TPeriodTotals> perTariff_;
    std::vector<TCostSums> totals_;
    std::optional<TPeriodTotals> leastPerPeriod_;
    TCostSums leastTotal_;
};

// The tariffs of a row that cost least: only those that priced every
// connection count, and only when they share one currency; ties all win.
std::vector<bool> Cheapest(const TTariffComparison::TRow& row, const TTariffs& tariffs);

// The comparison as aligned text (cheapest marked with *), as CSV (a line a
// period and tariff) and as the rest of a JSON document after its opening.
// The comparison as people read it: a head, a line a period and the total,
// a tariff's cost marked "*" where it is the cheapest; and what the marks mean.
std::vector<std::vector<std::string>> ComparisonLines(const TTariffComparison& comparison, bool german,
                                                      const std::string& decimalSeparator);
std::string ComparisonLegend(bool german);

void WriteComparisonText(const TTariffComparison& comparison, bool german, const std::string& decimalSeparator,
                         const TTextSink& sink);
void WriteComparisonCsv(const TTariffComparison& comparison, const TTextSink& sink);
void WriteComparisonJson(const TTariffComparison& comparison, const TTextSink& sink);

}  // namespace kellvar
