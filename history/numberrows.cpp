// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberrows.h"

#include "core/formatting.h"
#include "lang/numbertexts.h"

namespace kellvar {

namespace {

// Each column's caption, in column order.
constexpr std::array<TNumberText, NumberColumnCount> Captions = {
    TNumberText::Number,        TNumberText::Attempts,    TNumberText::Connects,    TNumberText::Success,
    TNumberText::MedianConnect, TNumberText::SlowConnect, TNumberText::LowestSpeed, TNumberText::MedianSpeed,
    TNumberText::HighestSpeed,  TNumberText::CarrierLost, TNumberText::HungUpHere,  TNumberText::TimeOnline,
    TNumberText::Received,      TNumberText::Sent,        TNumberText::Throughput,  TNumberText::Costs,
    TNumberText::CostPerHour};

std::string OrDash(const std::optional<std::string>& text)
{
    return text.value_or("-");
}

template <typename TValue, typename TFormat>
std::optional<std::string> Shown(const std::optional<TValue>& value, const TFormat& format)
{
    return value ? std::optional(format(*value)) : std::nullopt;
}

}  // namespace

std::string NumberName(const TNumberFigures& figures, bool german)
{
    switch (figures.Kind) {
    case TNumberKind::Hidden:
        return std::string(NumberText(TNumberText::Hidden, german));
    case TNumberKind::Unknown:
        return std::string(NumberText(TNumberText::Unknown, german));
    case TNumberKind::Dialled:
        break;
    }
    return figures.Number;
}

std::vector<std::string> NumberRowTexts(const TNumberFigures& f, bool german, const std::string& sep,
                                        const TTariff* money)
{
    const auto seconds = [&](int64_t hundredths) {
        return FloatText(static_cast<double>(hundredths) / 100, sep) + " s";
    };
    const auto number = [](int64_t value) { return std::to_string(value); };
    std::vector<std::string> cells{
        NumberName(f, german),
        number(f.Attempts),
        number(f.Connects),
        OrDash(
            Shown(f.SuccessBasisPoints(),
                  [&](int64_t basisPoints) { return FloatText(static_cast<double>(basisPoints) / 100, sep) + " %"; })),
        OrDash(Shown(f.MedianTimeToConnect, seconds)),
        OrDash(Shown(f.SlowTimeToConnect, seconds)),
        OrDash(Shown(f.LowestSpeed, number)),
        OrDash(Shown(f.MedianSpeed, number)),
        OrDash(Shown(f.HighestSpeed, number)),
        number(f.CarrierLosses),
        number(f.HungUpHere),
        FormatClock(f.Sums.DurationHundredths),
        FormatBytes(static_cast<double>(f.Sums.ReceivedBytes), sep),
        FormatBytes(static_cast<double>(f.Sums.SentBytes), sep),
        OrDash(Shown(f.ThroughputHundredths(),
                     [&](int64_t rate) { return FormatBytes(static_cast<double>(rate) / 100, sep) + "/s"; }))};
    if (money != nullptr) {
        cells.push_back(CostSumText(f.Costs, *money, sep));
        cells.push_back(
            OrDash(Shown(f.Costs.PerHour(), [&](int64_t amount) { return CostText(amount, *money, sep); })));
    }
    return cells;
}

std::vector<std::string> NumberHeadTexts(bool german, const TTariff* money)
{
    const size_t count = money != nullptr ? NumberColumnCount : NumberColumnsWithoutCosts;
    std::vector<std::string> head;
    for (size_t i = 0; i < count; ++i)
        head.emplace_back(NumberText(Captions[i], german));
    return head;
}

std::optional<int64_t> NumberSortValue(const TNumberFigures& f, TNumberColumn column)
{
    switch (column) {
    case TNumberColumn::Number:
        return std::nullopt;
    case TNumberColumn::Attempts:
        return f.Attempts;
    case TNumberColumn::Connects:
        return f.Connects;
    case TNumberColumn::Success:
        return f.SuccessBasisPoints();
    case TNumberColumn::MedianConnect:
        return f.MedianTimeToConnect;
    case TNumberColumn::SlowConnect:
        return f.SlowTimeToConnect;
    case TNumberColumn::LowestSpeed:
        return f.LowestSpeed;
    case TNumberColumn::MedianSpeed:
        return f.MedianSpeed;
    case TNumberColumn::HighestSpeed:
        return f.HighestSpeed;
    case TNumberColumn::CarrierLost:
        return f.CarrierLosses;
    case TNumberColumn::HungUpHere:
        return f.HungUpHere;
    case TNumberColumn::TimeOnline:
        return f.Sums.DurationHundredths;
    case TNumberColumn::Received:
        return f.Sums.ReceivedBytes;
    case TNumberColumn::Sent:
        return f.Sums.SentBytes;
    case TNumberColumn::Throughput:
        return f.ThroughputHundredths();
    case TNumberColumn::Costs:
        return f.Costs.Total();
    case TNumberColumn::CostPerHour:
        break;
    }
    return f.Costs.PerHour();
}

}  // namespace kellvar
