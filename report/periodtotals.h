// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionexport.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace kellvar {

enum class TPeriod { Day, Month, Year };

// The periods as --by names them and the JSON output writes them.
inline constexpr std::array<std::pair<std::string_view, TPeriod>, 3> PeriodNames = {
    {{"day", TPeriod::Day}, {"month", TPeriod::Month}, {"year", TPeriod::Year}}};

std::string_view PeriodName(TPeriod period);

// The connections of one day, month or year, by the date of their connect stamp.
struct TPeriodTotal {
    std::string Period;  // "2000-01-03", "2000-01" or "2000"
    TConnectionSums Sums;
};

// Adds the connections up per period as they come, one total a period.
class TPeriodTotals {
public:
    explicit TPeriodTotals(TPeriod period) : period_(period) {}

    void Add(const TConnectionRecord& record);
    // In time order; with top, only the top periods with the most bytes
    // (received and sent), largest first.
    std::vector<TPeriodTotal> Periods(std::optional<int64_t> top = std::nullopt) const;

private:
    TPeriod period_;
    std::map<std::tuple<int32_t, int32_t, int32_t>, TPeriodTotal> byDate_;
};

// The sums of all the periods given.
TConnectionSums GrandTotal(const std::vector<TPeriodTotal>& periods);

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods);
// The document after its opening (JsonDocumentOpening).
std::string PeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods);
// Aligned columns with the window's units and captions in the chosen
// language, and a total line.
std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german,
                             const std::string& decimalSeparator);

}  // namespace kellvar
