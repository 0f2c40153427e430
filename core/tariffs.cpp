// SPDX-License-Identifier: GPL-3.0-or-later
#include "tariffs.h"

namespace kellvar {

namespace {

// Half up, in whole amounts of the smallest unit; wide enough for a total
// of a year of costs times the hundredths of an hour.
int64_t RoundedQuotient(__int128 numerator, int64_t denominator)
{
    return static_cast<int64_t>((2 * numerator + denominator) / (2 * __int128{denominator}));
}

}  // namespace

const TTariff* TTariffs::For(std::string_view dialled) const
{
    for (const TTariff& tariff : tariffs_)
        if (tariff.NamesNumbers() && !dialled.empty() && tariff.CoversNumber(dialled))
            return &tariff;
    for (const TTariff& tariff : tariffs_)
        if (!tariff.NamesNumbers())
            return &tariff;
    return nullptr;
}

std::optional<TCost> TTariffs::Price(const TConnectionRecord& record) const
{
    const TTariff* tariff = For(record.DialledNumber);
    if (tariff == nullptr)
        return std::nullopt;
    const std::optional<int64_t> amount = tariff->Cost(record);
    if (!amount)
        return std::nullopt;
    return TCost{*amount, tariff, TimeOnline(record) == 0};
}

std::variant<TTariffs, TTariffError> ReadTariffFiles(const std::vector<std::string>& paths, bool sameCurrency)
{
    std::vector<TTariff> tariffs;
    for (const std::string& path : paths) {
        auto read = ReadTariffFile(path);
        if (auto* error = std::get_if<TTariffError>(&read))
            return std::move(*error);
        TTariff& tariff = std::get<TTariff>(read);
        if (sameCurrency && !tariffs.empty()
            && (tariff.Currency() != tariffs.front().Currency() || tariff.Decimals() != tariffs.front().Decimals()))
            return TTariffError{path + ": costs in " + tariff.Currency() + " cannot be added to costs in "
                                + tariffs.front().Currency() + " of " + paths.front()};
        tariffs.push_back(std::move(tariff));
    }
    return TTariffs(std::move(tariffs));
}

std::string CostText(int64_t amount, const TTariff& money, std::string_view decimalSeparator)
{
    std::string text = money.AmountText(amount);
    if (const size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text + " " + money.Currency();
}

void TCostSums::Add(const std::optional<TCost>& cost, const TConnectionRecord& record)
{
    if (!cost) {
        ++Unpriced;
        return;
    }
    ++Priced;
    Amount += cost->Amount;
    NoTimeOnline += cost->NoTimeOnline ? 1 : 0;
    PricedHundredths += TimeOnline(record);
}

void TCostSums::Add(const TCostSums& other)
{
    Amount += other.Amount;
    Priced += other.Priced;
    Unpriced += other.Unpriced;
    NoTimeOnline += other.NoTimeOnline;
    PricedHundredths += other.PricedHundredths;
}

std::optional<int64_t> TCostSums::Total() const
{
    return Priced > 0 ? std::optional(Amount) : std::nullopt;
}

std::string CostSumText(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator)
{
    if (costs.Priced == 0)
        return "-";
    return CostText(costs.Amount, money, decimalSeparator) + (costs.Unpriced > 0 ? " ?" : "");
}

std::optional<int64_t> TCostSums::MeanPerConnection() const
{
    return Priced > 0 ? std::optional(RoundedQuotient(Amount, Priced)) : std::nullopt;
}

std::optional<int64_t> TCostSums::PerHour() const
{
    return PricedHundredths > 0 ? std::optional(RoundedQuotient(__int128{Amount} * 360'000, PricedHundredths))
                                : std::nullopt;
}

}  // namespace kellvar
