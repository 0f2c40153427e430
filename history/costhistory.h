// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/periodsums.h"
#include "core/tariffs.h"
#include "core/usageprofile.h"

#include <optional>

namespace kellvar {

// What the shown connections cost, added up as they come with their costs:
// in total and per month while they are priced, and over the hours of the
// week (online time and volume, priced or not).
class TCostHistory {
public:
    explicit TCostHistory(bool priced = false) : priced_(priced) {}

    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost);

    bool Priced() const { return priced_; }
    const TCostSums& Sums() const { return sums_; }
    const TPeriodTotals& Months() const { return months_; }
    const TWeekHourProfile& Week() const { return week_; }

private:
    bool priced_;
    TCostSums sums_;
    TPeriodTotals months_{TPeriod::Month};
    TWeekHourProfile week_;
};

}  // namespace kellvar
