// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberhistory.h"

#include "core/periodsums.h"

#include <algorithm>

namespace kellvar {

TNumberTally& TNumberHistory::PeriodOf(const TConnectionRecord& record)
{
    const TDateParts& date = record.ConnectDate != 0 ? record.ConnectDateParts : record.DialDateParts;
    if (lastPeriod_.empty() || !(date == lastDate_)) {
        lastDate_ = date;
        lastPeriod_ = PeriodNameOf(by_, date, rules_);
    }
    return periods_[lastPeriod_];
}

void TNumberHistory::AddConnection(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    whole_.AddConnection(record, cost);
    PeriodOf(record).AddConnection(record, cost);
}

void TNumberHistory::AddUnlistedSession(const TConnectionRecord& record)
{
    whole_.AddUnlistedSession(record);
    PeriodOf(record).AddUnlistedSession(record);
}

std::vector<TNumberFigures> TNumberHistory::PeriodFigures(const std::string& period) const
{
    const auto found = periods_.find(period);
    return found != periods_.end() ? found->second.Figures() : std::vector<TNumberFigures>{};
}

std::vector<std::string> TNumberHistory::Periods() const
{
    std::vector<std::string> names;
    for (const auto& [name, tally] : periods_)
        names.push_back(name);
    return names;
}

std::vector<std::pair<std::string, TNumberFigures>>
TNumberHistory::Over(const std::vector<TNumberFigures>& chosen) const
{
    std::vector<std::pair<std::string, TNumberFigures>> over;
    for (const auto& [name, tally] : periods_)
        if (std::optional<TNumberFigures> figures = tally.Combined(chosen))
            over.emplace_back(name, std::move(*figures));
    return over;
}

bool KnowsNumbers(const std::vector<TNumberFigures>& numbers)
{
    return std::any_of(numbers.begin(), numbers.end(),
                       [](const TNumberFigures& f) { return f.Kind != TNumberKind::Unknown; });
}

}  // namespace kellvar
