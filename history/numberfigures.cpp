// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberfigures.h"

#include "core/formatting.h"

#include <algorithm>
#include <tuple>

namespace kellvar {

namespace {

TNumberKind KindOf(const std::string& number)
{
    if (number.empty())
        return TNumberKind::Unknown;
    return std::all_of(number.begin(), number.end(), [](char c) { return c == '#'; }) ? TNumberKind::Hidden
                                                                                      : TNumberKind::Dialled;
}

// Every hidden number is one row, however many '#' the driver wrote.
std::string KeyOf(TNumberKind kind, const std::string& number)
{
    switch (kind) {
    case TNumberKind::Hidden:
        return "#";
    case TNumberKind::Unknown:
        return {};
    case TNumberKind::Dialled:
        break;
    }
    return number;
}

}  // namespace

std::optional<int64_t> TNumberFigures::SuccessBasisPoints() const
{
    if (Attempts == 0)
        return std::nullopt;
    return DivideHalfEven(Connects * 10'000, Attempts);
}

std::optional<int64_t> TNumberFigures::ThroughputHundredths() const
{
    if (Sums.DurationHundredths <= 0)
        return std::nullopt;
    return DivideHalfEven((Sums.ReceivedBytes + Sums.SentBytes) * 10'000, Sums.DurationHundredths);
}

std::optional<int32_t> NearestRankPercentile(std::vector<int32_t>& values, int percent)
{
    if (values.empty())
        return std::nullopt;
    const size_t rank = (values.size() * static_cast<size_t>(percent) + 99) / 100;
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(std::max<size_t>(rank, 1) - 1);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

TNumberTally::TNumberSessions& TNumberTally::SessionsOf(const std::string& number)
{
    const TNumberKind kind = KindOf(number);
    const auto [at, added] = index_.try_emplace(KeyOf(kind, number), numbers_.size());
    if (added) {
        numbers_.emplace_back();
        numbers_.back().Figures.Kind = kind;
        if (kind == TNumberKind::Dialled)
            numbers_.back().Figures.Number = number;
    }
    return numbers_[at->second];
}

void TNumberTally::AddConnect(TNumberSessions& sessions, const TConnectionRecord& record)
{
    ++sessions.Figures.Connects;
    sessions.TimesToConnect.push_back(record.DialDuration);
    if (record.Bps > 0)
        sessions.Speeds.push_back(record.Bps);
}

void TNumberTally::AddConnection(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    TNumberSessions& sessions = SessionsOf(record.DialledNumber);
    TNumberFigures& f = sessions.Figures;
    ++f.Attempts;
    AddConnect(sessions, record);
    ++(record.CarrierLost ? f.CarrierLosses : f.HungUpHere);
    f.Sums.Add(record);
    // Unpriced when the sessions are not priced: no cost is then shown.
    f.Costs.Add(cost, record);
}

void TNumberTally::AddUnlistedSession(const TConnectionRecord& record)
{
    TNumberSessions& sessions = SessionsOf(record.DialledNumber);
    ++sessions.Figures.Attempts;
    if (record.ConnectDate != 0 || record.ConnectTime != 0)
        AddConnect(sessions, record);
}

TNumberFigures TNumberTally::Finished(TNumberFigures f, std::vector<int32_t> times, std::vector<int32_t> speeds)
{
    f.MedianTimeToConnect = NearestRankPercentile(times, 50);
    f.SlowTimeToConnect = NearestRankPercentile(times, 90);
    f.MedianSpeed = NearestRankPercentile(speeds, 50);
    if (!speeds.empty()) {
        f.LowestSpeed = *std::min_element(speeds.begin(), speeds.end());
        f.HighestSpeed = *std::max_element(speeds.begin(), speeds.end());
    }
    return f;
}

std::optional<TNumberFigures> TNumberTally::Combined(const std::vector<TNumberFigures>& chosen) const
{
    std::optional<TNumberFigures> combined;
    std::vector<int32_t> times;
    std::vector<int32_t> speeds;
    for (const TNumberFigures& number : chosen) {
        const auto found = index_.find(KeyOf(number.Kind, number.Number));
        if (found == index_.end())
            continue;
        const TNumberSessions& sessions = numbers_[found->second];
        const TNumberFigures& f = sessions.Figures;
        if (!combined)
            combined.emplace();
        combined->Attempts += f.Attempts;
        combined->Connects += f.Connects;
        combined->CarrierLosses += f.CarrierLosses;
        combined->HungUpHere += f.HungUpHere;
        combined->Sums.Add(f.Sums);
        combined->Costs.Add(f.Costs);
        times.insert(times.end(), sessions.TimesToConnect.begin(), sessions.TimesToConnect.end());
        speeds.insert(speeds.end(), sessions.Speeds.begin(), sessions.Speeds.end());
    }
    if (!combined)
        return std::nullopt;
    return Finished(std::move(*combined), std::move(times), std::move(speeds));
}

std::vector<TNumberFigures> TNumberTally::Figures() const
{
    std::vector<TNumberFigures> figures;
    figures.reserve(numbers_.size());
    for (const TNumberSessions& sessions : numbers_)
        figures.push_back(Finished(sessions.Figures, sessions.TimesToConnect, sessions.Speeds));
    std::sort(figures.begin(), figures.end(), [](const TNumberFigures& a, const TNumberFigures& b) {
        return std::tuple(-a.Attempts, a.Kind, a.Number) < std::tuple(-b.Attempts, b.Kind, b.Number);
    });
    return figures;
}

}  // namespace kellvar
