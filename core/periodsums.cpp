// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodsums.h"

#include "calendar.h"
#include "logstamp.h"

#include <algorithm>
#include <cstdio>

namespace kellvar {

namespace {

int64_t Bytes(const TPeriodTotal& total)
{
    return total.Sums.ReceivedBytes + total.Sums.SentBytes;
}

// "2000-01-03", "2000-01" or "2000": the first length characters of the date.
std::string PeriodText(const TDateParts& d, size_t length)
{
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return std::string(text.data()).substr(0, length);
}

}  // namespace

std::string_view PeriodName(TPeriod period)
{
    for (const auto& [name, named] : PeriodNames)
        if (named == period)
            return name;
    return {};
}

std::string PeriodNameOf(TPeriod period, const TDateParts& d, const TPeriodRules& rules)
{
    if (period == TPeriod::Week || period == TPeriod::Billing)
        return PeriodSpan(period, DayNumber(d.Year, d.Month, d.Day), rules).Name;
    return PeriodText(d, period == TPeriod::Day ? 10 : period == TPeriod::Month ? 7 : 4);
}

void TPeriodTotals::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const TDateParts& d = record.ConnectDateParts;
    // Weeks and billing months count in calendar days; days, months and years
    // keep the log's own date pieces, whatever they hold.
    const bool calendar = period_ == TPeriod::Week || period_ == TPeriod::Billing;
    // A log in time order stays in one week or billing month for many
    // connections: the period is worked out only when the day leaves it.
    const int64_t day = calendar ? DayNumber(d.Year, d.Month, d.Day) : 0;
    if (calendar && !lastSpan_.Holds(day)) {
        lastSpan_ = PeriodSpan(period_, day, rules_);
        const TDateParts first = DateOfDayNumber(lastSpan_.First);
        lastSpanKey_ = DateKeyOf(first.Year, first.Month, first.Day);
    }
    const TPeriodSpan& span = lastSpan_;
    const int32_t key =
        calendar ? lastSpanKey_
                 : DateKeyOf(d.Year, period_ == TPeriod::Year ? 1 : d.Month, period_ == TPeriod::Day ? d.Day : 1);
    size_t index = totals_.size();
    if (!keys_.empty() && !(keys_.back() < key))
        index = static_cast<size_t>(std::lower_bound(keys_.begin(), keys_.end(), key) - keys_.begin());
    // A new period: at the end for a log in time order, else in its place.
    if (index == keys_.size() || keys_[index] != key) {
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(index), key);
        totals_.insert(totals_.begin() + static_cast<std::ptrdiff_t>(index),
                       {calendar ? span.Name : PeriodNameOf(period_, d, rules_), {}, {}});
    }
    totals_[index].Sums.Add(record);
    totals_[index].Costs.Add(cost, record);
}

std::vector<TPeriodTotal> TopPeriods(std::vector<TPeriodTotal> periods, int64_t top)
{
    std::stable_sort(periods.begin(), periods.end(),
                     [](const TPeriodTotal& a, const TPeriodTotal& b) { return Bytes(a) > Bytes(b); });
    periods.resize(std::min(periods.size(), static_cast<size_t>(top)));
    return periods;
}

TPeriodTotal GrandTotal(const std::vector<TPeriodTotal>& periods)
{
    TPeriodTotal total;
    for (const TPeriodTotal& p : periods) {
        total.Sums.Add(p.Sums);
        total.Costs.Add(p.Costs);
    }
    return total;
}

}  // namespace kellvar
