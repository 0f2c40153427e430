// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "periodsums.h"

#include <array>
#include <optional>
#include <vector>

namespace kellvar {

// When the connections were online: online time, volume and cost per hour
// of the day ("00" to "23") or per weekday ("monday" to "sunday"). A
// connection is split exactly across the hours and days it spans (17:50 to
// 18:20 gives 10 minutes to 17 and 20 to 18), its bytes and cost in the same
// shares, so that the parts add up to its whole; it counts as a connection,
// with its dialing time, where it began.
class TUsageProfile {
public:
    explicit TUsageProfile(TPeriod period);
    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost = std::nullopt);
    // Every hour or weekday in order, empty ones too.
    const std::vector<TPeriodTotal>& Rows() const { return rows_; }

private:
    TPeriod period_;
    std::vector<TPeriodTotal> rows_;
};

// Online time, volume and cost per weekday (0 Monday) and hour of the day,
// split as above: the week as a heat map shows it.
class TWeekHourProfile {
public:
    enum TMeasure { Time, Volume, Cost };

    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost = std::nullopt);
    // Hundredths of a second, bytes, or the currency's smallest unit.
    int64_t Value(TMeasure measure, int32_t weekday, int32_t hour) const
    {
        return values_[measure][static_cast<size_t>(weekday)][static_cast<size_t>(hour)];
    }
    int64_t Online(int32_t weekday, int32_t hour) const { return Value(Time, weekday, hour); }
    // The most any hour of the week holds; 0 for none.
    int64_t Busiest(TMeasure measure) const;
    // The first hour that holds it (weekday 0 is Monday); none when no hour holds anything.
    struct THourOfWeek {
        int32_t Weekday = 0;
        int32_t Hour = 0;
    };
    std::optional<THourOfWeek> BusiestHour(TMeasure measure) const;

private:
    std::array<std::array<std::array<int64_t, 24>, 7>, 3> values_{};
};

}  // namespace kellvar
