#pragma once

#include "connectionexport.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kellvar {

enum class TPeriod { Day, Month, Year };

// The periods as --by names them and the JSON output writes them.
inline constexpr std::array<std::pair<std::string_view, TPeriod>, 3> PeriodNames = {
    {{"day", TPeriod::Day}, {"month", TPeriod::Month}, {"year", TPeriod::Year}}};

// The connections of one day, month or year, by the date of their connect stamp.
struct TPeriodTotal {
    std::string Period;  // "2000-01-03", "2000-01" or "2000"
    int64_t Connections = 0;
    int64_t DurationHundredths = 0;
    int64_t ReceivedBytes = 0;
    int64_t SentBytes = 0;
};

// In time order; the last entry is not a period but the total of all.
std::vector<TPeriodTotal> PeriodTotals(const std::vector<TNumberedConnection>& connections, TPeriod period);
TPeriodTotal GrandTotal(const std::vector<TPeriodTotal>& periods);

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods);
std::string PeriodTotalsJson(const std::string& logPath, TPeriod period, const std::vector<TPeriodTotal>& periods);
// Aligned columns with the window's units and captions in the chosen
// language, and a total line.
std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german,
                             const std::string& decimalSeparator);

}  // namespace kellvar
