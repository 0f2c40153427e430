// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numberfigures.h"

#include "core/periodspans.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kellvar {

// The figures per dialled number over the whole history and per period
// (a session counts in the period of its connect date, or of its dial date
// when it never connected), for the report's pages and the window's chart.
class TNumberHistory {
public:
    explicit TNumberHistory(TPeriod by = TPeriod::Month, TPeriodRules rules = {}) : by_(by), rules_(rules) {}

    void AddConnection(const TConnectionRecord& record, const std::optional<TCost>& cost);
    void AddUnlistedSession(const TConnectionRecord& record);

    std::vector<TNumberFigures> Figures() const { return whole_.Figures(); }
    // A period's figures, none for a period without sessions.
    std::vector<TNumberFigures> PeriodFigures(const std::string& period) const;
    // The periods with sessions, in time order.
    std::vector<std::string> Periods() const;
    // The chosen numbers' figures together, per period in time order, in
    // the periods where any of them was dialled.
    std::vector<std::pair<std::string, TNumberFigures>> Over(const std::vector<TNumberFigures>& chosen) const;

private:
    TNumberTally& PeriodOf(const TConnectionRecord& record);

    TPeriod by_;
    TPeriodRules rules_;
    TNumberTally whole_;
    // Period names sort in time order.
    std::map<std::string, TNumberTally> periods_;
    // Sessions come in time order, many a day: a day's period is named once.
    TDateParts lastDate_;
    std::string lastPeriod_;
};

// Whether any session's number is known: the All-Time-Log keeps no dial
// commands, and a table of "unknown" alone tells nothing.
bool KnowsNumbers(const std::vector<TNumberFigures>& numbers);

}  // namespace kellvar
