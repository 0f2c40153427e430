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
    return whole * to / duration;
}

// Hands each piece of the connection's time within one clock hour to the
// callback: the day and hour it lies in, how far into the connection it
// begins and how long it is (hundredths). A connection of no time is one
// empty piece at its connect.
template <typename TPiece> void ForEachHour(const TConnectionRecord& record, TPiece piece)
{
    const TDateParts& d = record.ConnectDateParts;
    const int64_t connectDay = DayNumber(d.Year, d.Month, d.Day);
    const int64_t start = std::clamp<int64_t>(record.ConnectTime, 0, HundredthsPerDay - 1);
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    int64_t done = 0;
    do {
        const int64_t clock = start + done;
        const int64_t length =
            duration == 0 ? 0 : std::min(duration - done, HundredthsPerHour - clock % HundredthsPerHour);
        piece(connectDay + clock / HundredthsPerDay, static_cast<int32_t>(clock % HundredthsPerDay / HundredthsPerHour),
              done, length);
        done += length;
    } while (done < duration);
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
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    const int64_t amount = cost ? cost->Amount : 0;
    bool first = true;
    ForEachHour(record, [&](int64_t day, int32_t hour, int64_t done, int64_t piece) {
        TPeriodTotal& row =
            rows_[period_ == TPeriod::Hour ? static_cast<size_t>(hour) : static_cast<size_t>(Weekday(day))];
        if (first) {
            // It counts as a connection, with its dialing time, where it began.
            ++row.Sums.Connections;
            row.Sums.DialHundredths += record.DialDuration;
            ++(cost ? row.Costs.Priced : row.Costs.Unpriced);
            first = false;
        }
        // A connection of no time has one piece, which takes it whole.
        const auto share = [&](int64_t whole) {
            return duration == 0 ? whole : ShareUpTo(whole, done + piece, duration) - ShareUpTo(whole, done, duration);
        };
        row.Sums.DurationHundredths += piece;
        row.Sums.ReceivedBytes += share(record.BytesRead);
        row.Sums.SentBytes += share(record.BytesWritten);
        row.Costs.Amount += share(amount);
        row.Costs.PricedHundredths += cost ? piece : 0;
    });
}

void TWeekHourProfile::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    const int64_t bytes = int64_t{record.BytesRead} + record.BytesWritten;
    const int64_t amount = cost ? cost->Amount : 0;
    ForEachHour(record, [&](int64_t day, int32_t hour, int64_t done, int64_t piece) {
        const auto share = [&](int64_t whole) {
            return duration == 0 ? whole : ShareUpTo(whole, done + piece, duration) - ShareUpTo(whole, done, duration);
        };
        const auto weekday = static_cast<size_t>(Weekday(day));
        values_[Time][weekday][static_cast<size_t>(hour)] += piece;
        values_[Volume][weekday][static_cast<size_t>(hour)] += share(bytes);
        values_[Cost][weekday][static_cast<size_t>(hour)] += share(amount);
    });
}

int64_t TWeekHourProfile::Busiest(TMeasure measure) const
{
    int64_t busiest = 0;
    for (const auto& day : values_[measure])
        busiest = std::max(busiest, *std::max_element(day.begin(), day.end()));
    return busiest;
}

}  // namespace kellvar
