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
std::string_view KeyOf(TNumberKind kind, std::string_view number)
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

uint32_t TNumberTally::PlaceOf(const std::string& number)
{
    const TNumberKind kind = KindOf(number);
    const std::string_view key = KeyOf(kind, number);
    if (const auto found = index_.find(key); found != index_.end())
        return static_cast<uint32_t>(found->second);
    index_.emplace(std::string(key), numbers_.size());
    TNumberFigures& added = numbers_.emplace_back();
    added.Kind = kind;
    if (kind == TNumberKind::Dialled)
        added.Number = number;
    return static_cast<uint32_t>(numbers_.size() - 1);
}

void TNumberTally::AddConnect(uint32_t place, const TConnectionRecord& record)
{
    ++numbers_[place].Connects;
    samples_.push_back({place, record.DialDuration, std::max(record.Bps, 0)});
}

void TNumberTally::AddConnection(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const uint32_t place = PlaceOf(record.DialledNumber);
    TNumberFigures& f = numbers_[place];
    ++f.Attempts;
    AddConnect(place, record);
    ++(record.CarrierLost ? f.CarrierLosses : f.HungUpHere);
    f.Sums.Add(record);
    // Unpriced when the sessions are not priced: no cost is then shown.
    f.Costs.Add(cost, record);
}

void TNumberTally::AddUnlistedSession(const TConnectionRecord& record)
{
    const uint32_t place = PlaceOf(record.DialledNumber);
    ++numbers_[place].Attempts;
    if (record.ConnectDate != 0 || record.ConnectTime != 0)
        AddConnect(place, record);
}

TNumberFigures TNumberTally::Finished(TNumberFigures f, std::vector<int32_t>& times, std::vector<int32_t>& speeds)
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
    std::vector<bool> taken(numbers_.size(), false);
    std::optional<TNumberFigures> combined;
    for (const TNumberFigures& number : chosen) {
        const auto found = index_.find(KeyOf(number.Kind, number.Number));
        if (found == index_.end() || taken[found->second])
            continue;
        taken[found->second] = true;
        const TNumberFigures& f = numbers_[found->second];
        if (!combined)
            combined.emplace();
        combined->Attempts += f.Attempts;
        combined->Connects += f.Connects;
        combined->CarrierLosses += f.CarrierLosses;
        combined->HungUpHere += f.HungUpHere;
        combined->Sums.Add(f.Sums);
        combined->Costs.Add(f.Costs);
    }
    if (!combined)
        return std::nullopt;
    std::vector<int32_t> times;
    std::vector<int32_t> speeds;
    for (const TConnectSample& sample : samples_)
        if (taken[sample.Number]) {
            times.push_back(sample.TimeToConnect);
            if (sample.Speed > 0)
                speeds.push_back(sample.Speed);
        }
    return Finished(std::move(*combined), times, speeds);
}

std::vector<TNumberFigures> TNumberTally::Figures() const
{
    // The samples grouped by number: each number's connects are its share.
    std::vector<size_t> start(numbers_.size() + 1, 0);
    for (size_t i = 0; i < numbers_.size(); ++i)
        start[i + 1] = start[i] + static_cast<size_t>(numbers_[i].Connects);
    std::vector<size_t> next(start.begin(), start.end() - 1);
    std::vector<int32_t> times(samples_.size());
    std::vector<int32_t> speeds(samples_.size());
    for (const TConnectSample& sample : samples_) {
        const size_t at = next[sample.Number]++;
        times[at] = sample.TimeToConnect;
        speeds[at] = sample.Speed;
    }
    std::vector<TNumberFigures> figures;
    figures.reserve(numbers_.size());
    std::vector<int32_t> ownTimes;
    std::vector<int32_t> ownSpeeds;
    for (size_t i = 0; i < numbers_.size(); ++i) {
        ownTimes.assign(times.begin() + static_cast<std::ptrdiff_t>(start[i]),
                        times.begin() + static_cast<std::ptrdiff_t>(start[i + 1]));
        ownSpeeds.clear();
        for (size_t at = start[i]; at < start[i + 1]; ++at)
            if (speeds[at] > 0)
                ownSpeeds.push_back(speeds[at]);
        figures.push_back(Finished(numbers_[i], ownTimes, ownSpeeds));
    }
    std::sort(figures.begin(), figures.end(), [](const TNumberFigures& a, const TNumberFigures& b) {
        return std::tuple(-a.Attempts, a.Kind, a.Number) < std::tuple(-b.Attempts, b.Kind, b.Number);
    });
    return figures;
}

}  // namespace kellvar
