// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageprofile.h"

#include "calendar.h"

#include <algorithm>
#include <cstdio>

namespace kellvar {

namespace {

constexpr int64_t HundredthsPerHour = 360'000;
constexpr std::array<const char*, 7> WeekdayNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                     "friday", "saturday", "sunday"};

// The share of a whole that the time up to `to` of `duration` takes, rounded
// down: shares of consecutive pieces, taken as differences, add up to the whole.
int64_t ShareUpTo(int64_t whole, int64_t to, int64_t duration)
{
    return duration > 0 ? whole * to / duration : whole;
}

}  // namespace

TUsageProfile::TUsageProfile(TPeriod period) : period_(period)
{
    const bool hours = period_ == TPeriod::Hour;
    for (int i = 0; i < (hours ? 24 : 7); ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d", i);
        rows_.push_back({hours ? name : WeekdayNames[static_cast<size_t>(i)], {}, {}});
    }
}

void TUsageProfile::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const TDateParts& d = record.ConnectDateParts;
    const int64_t connectDay = DayNumber(d.Year, d.Month, d.Day);
    const auto binAt = [&](int64_t clock) {
        return period_ == TPeriod::Hour ? static_cast<size_t>(clock % HundredthsPerDay / HundredthsPerHour)
                                        : static_cast<size_t>(Weekday(connectDay + clock / HundredthsPerDay));
    };
    const int64_t start = std::clamp<int64_t>(record.ConnectTime, 0, HundredthsPerDay - 1);
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    TPeriodTotal& first = rows_[binAt(start)];
    ++first.Sums.Connections;
    first.Sums.DialHundredths += record.DialDuration;
    if (cost)
        ++first.Costs.Priced;
    else
        ++first.Costs.Unpriced;
    const int64_t amount = cost ? cost->Amount : 0;
    // Hour by hour: a weekday profile needs no finer step than a day's hours either.
    for (int64_t done = 0; done < duration || (done == 0 && duration == 0);) {
        const int64_t clock = start + done;
        const int64_t piece =
            duration == 0 ? 0 : std::min(duration - done, HundredthsPerHour - clock % HundredthsPerHour);
        TPeriodTotal& row = rows_[binAt(clock)];
        const auto share = [&](int64_t whole) {
            return ShareUpTo(whole, done + piece, duration) - ShareUpTo(whole, done, duration);
        };
        row.Sums.DurationHundredths += piece;
        row.Sums.ReceivedBytes += duration == 0 ? record.BytesRead : share(record.BytesRead);
        row.Sums.SentBytes += duration == 0 ? record.BytesWritten : share(record.BytesWritten);
        row.Costs.Amount += duration == 0 ? amount : share(amount);
        row.Costs.PricedHundredths += cost ? piece : 0;
        if (duration == 0)
            break;
        done += piece;
    }
}

}  // namespace kellvar
