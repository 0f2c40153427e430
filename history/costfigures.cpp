// SPDX-License-Identifier: GPL-3.0-or-later
#include "costfigures.h"
#include "lang/wordings.h"

#include <algorithm>

namespace kellvar {

std::vector<TCostFigure> CostFigures(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator)
{
    const auto amount = [&](const std::optional<int64_t>& value) {
        return value ? CostText(*value, money, decimalSeparator) : std::string("-");
    };
    return {{TCostWording::TotalCosts, CostSumText(costs, money, decimalSeparator), "cost"},
            {TCostWording::MeanPerConnection, amount(costs.MeanPerConnection()), "mean_cost"},
            {TCostWording::PerHourOnline, amount(costs.PerHour()), "cost_per_hour"},
            {TCostWording::Unpriced, std::to_string(costs.Unpriced), "unpriced_connections"}};
}

std::string CostFigureLines(const std::vector<TCostFigure>& figures, bool german)
{
    std::string lines;
    for (const TCostFigure& figure : figures)
        lines += std::string(CostWording(figure.Caption, german)) + ":\t" + figure.Value + "\n";
    return lines;
}

TLimitBar LimitBar(const TLimitCheck& check, bool german, std::string_view decimalSeparator, const TTariff* money)
{
    const TLimit& limit = *check.Limit;
    const int64_t shown = limit.Projected ? check.Projection : check.Used;
    TLimitBar bar;
    bar.Exceeded = check.Exceeded();
    bar.Reached =
        limit.Value > 0 ? static_cast<int>(std::min<int64_t>(999, shown * 100 / limit.Value)) : (shown > 0 ? 100 : 0);
    bar.Percent = std::min(bar.Reached, 100);
    const auto text = [&](int64_t value) { return ShownQuantity(limit.Quantity, value, decimalSeparator, money); };
    // A cost limit is in the currency of the tariffs.
    const std::string currency =
        limit.Quantity == TQuantity::Cost && money != nullptr ? " " + money->Currency() : std::string();
    bar.Text = limit.Text + currency + ": " + text(check.Used) + std::string(Wording(TWording::SoFar, german))
               + text(check.Projection) + std::string(Wording(TWording::ForeseenFrom, german))
               + PeriodSpan(TPeriod::Day, check.Span.First, {}).Name + std::string(Wording(TWording::To, german))
               + PeriodSpan(TPeriod::Day, check.Span.Last, {}).Name + ")";
    // Said in words, not by the bar's red alone.
    if (bar.Exceeded)
        bar.Text += std::string(Wording(TWording::ExceededBy, german)) + text(shown - limit.Value);
    return bar;
}

std::string MonthEstimateText(const TPeriodEstimate& month, bool german, std::string_view decimalSeparator,
                              const TTariff* money)
{
    const auto both = [&](TQuantity quantity) {
        return ShownQuantity(quantity, month.Used(quantity), decimalSeparator, money)
               + std::string(Wording(TWording::SoFar, german))
               + ShownQuantity(quantity, month.Estimate(quantity), decimalSeparator, money)
               + std::string(Wording(TWording::Foreseen, german));
    };
    return std::string(Wording(TWording::BillingMonth, german)) + PeriodSpan(TPeriod::Day, month.Span().First, {}).Name
           + std::string(Wording(TWording::To, german)) + PeriodSpan(TPeriod::Day, month.Span().Last, {}).Name + ": "
           + both(TQuantity::Time) + "; " + both(TQuantity::Volume)
           + (money != nullptr ? "; " + both(TQuantity::Cost) : "");
}

}  // namespace kellvar
