// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageprofile.h"

#include "calendar.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace kellvar {

namespace {

constexpr int64_t HundredthsPerHour = 360'000;
constexpr std::array<const char*, 7> WeekdayNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                     "friday", "saturday", "sunday"};

// One piece of a connection's time within one clock hour: the day and hour
// it lies in and how long it is (hundredths).
struct THourPiece {
    int64_t Day = 0;
    int32_t Hour = 0;
    int64_t Length = 0;
};

// The whole split in the pieces' shares of the duration, by the largest
// remainder: each piece gets its share rounded down, and what is left goes
// one by one to the pieces whose shares lost most (the earlier one first),
// so that each is as near its share as whole units allow and all add up to
// the whole. A connection of no time has one piece, which takes it whole.
std::vector<int64_t> SplitByShares(int64_t whole, const std::vector<THourPiece>& pieces, int64_t duration)
{
    // A connection within one clock hour, or of no time, is one piece.
    if (duration == 0 || pieces.size() == 1) {
        std::vector<int64_t> parts(pieces.size(), 0);
        parts.front() = whole;
        return parts;
    }
    std::vector<int64_t> parts(pieces.size(), 0);
    std::vector<std::pair<__int128, size_t>> remainders;
    int64_t left = whole;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const __int128 scaled = static_cast<__int128>(whole) * pieces[i].Length;
        parts[i] = static_cast<int64_t>(scaled / duration);
        left -= parts[i];
        remainders.emplace_back(scaled % duration, i);
    }
    if (left == 0)
        return parts;
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; left > 0 && i < remainders.size(); ++i, --left)
        ++parts[remainders[i].second];
    return parts;
}

// The connection's time cut at every full clock hour; a connection of no
// time is one empty piece at its connect.
std::vector<THourPiece> HourPieces(const TConnectionRecord& record)
{
    const TDateParts& d = record.ConnectDateParts;
    const int64_t connectDay = DayNumber(d.Year, d.Month, d.Day);
    const int64_t start = std::clamp<int64_t>(record.ConnectTime, 0, HundredthsPerDay - 1);
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    std::vector<THourPiece> pieces;
    int64_t done = 0;
    do {
        const int64_t clock = start + done;
        const int64_t length =
            duration == 0 ? 0 : std::min(duration - done, HundredthsPerHour - clock % HundredthsPerHour);
        pieces.push_back({connectDay + clock / HundredthsPerDay,
                          static_cast<int32_t>(clock % HundredthsPerDay / HundredthsPerHour), length});
        done += length;
    } while (done < duration);
    return pieces;
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
    const std::vector<THourPiece> pieces = HourPieces(record);
    const std::vector<int64_t> received = SplitByShares(record.BytesRead, pieces, duration);
    const std::vector<int64_t> sent = SplitByShares(record.BytesWritten, pieces, duration);
    const std::vector<int64_t> amounts = SplitByShares(cost ? cost->Amount : 0, pieces, duration);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const THourPiece& piece = pieces[i];
        TPeriodTotal& row =
            rows_[period_ == TPeriod::Hour ? static_cast<size_t>(piece.Hour) : static_cast<size_t>(Weekday(piece.Day))];
        if (i == 0) {
            // It counts as a connection, with its dialing time, where it began.
            ++row.Sums.Connections;
            row.Sums.DialHundredths += record.DialDuration;
            ++(cost ? row.Costs.Priced : row.Costs.Unpriced);
        }
        row.Sums.DurationHundredths += piece.Length;
        row.Sums.ReceivedBytes += received[i];
        row.Sums.SentBytes += sent[i];
        row.Costs.Amount += amounts[i];
        row.Costs.PricedHundredths += cost ? piece.Length : 0;
    }
}

void TWeekHourProfile::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const int64_t duration = std::max<int64_t>(0, record.ConnectionDuration);
    const std::vector<THourPiece> pieces = HourPieces(record);
    const std::vector<int64_t> bytes = SplitByShares(int64_t{record.BytesRead} + record.BytesWritten, pieces, duration);
    const std::vector<int64_t> amounts = SplitByShares(cost ? cost->Amount : 0, pieces, duration);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const auto weekday = static_cast<size_t>(Weekday(pieces[i].Day));
        const auto hour = static_cast<size_t>(pieces[i].Hour);
        values_[Time][weekday][hour] += pieces[i].Length;
        values_[Volume][weekday][hour] += bytes[i];
        values_[Cost][weekday][hour] += amounts[i];
    }
}

std::optional<TWeekHourProfile::THourOfWeek> TWeekHourProfile::BusiestHour(TMeasure measure) const
{
    const int64_t busiest = Busiest(measure);
    if (busiest <= 0)
        return std::nullopt;
    for (int32_t day = 0; day < 7; ++day)
        for (int32_t hour = 0; hour < 24; ++hour)
            if (Value(measure, day, hour) == busiest)
                return THourOfWeek{day, hour};
    return std::nullopt;
}

int64_t TWeekHourProfile::Busiest(TMeasure measure) const
{
    int64_t busiest = 0;
    for (const auto& day : values_[measure])
        busiest = std::max(busiest, *std::max_element(day.begin(), day.end()));
    return busiest;
}

}  // namespace kellvar
