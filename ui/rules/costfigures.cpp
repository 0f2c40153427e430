// SPDX-License-Identifier: GPL-3.0-or-later
#include "costfigures.h"

namespace kellvar {

std::vector<TCostFigure> CostFigures(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator)
{
    const auto amount = [&](const std::optional<int64_t>& value) {
        return value ? CostText(*value, money, decimalSeparator) : std::string("-");
    };
    return {{TCostWording::TotalCosts, amount(costs.Amount)},
            {TCostWording::MeanPerConnection, amount(costs.MeanPerConnection())},
            {TCostWording::PerHourOnline, amount(costs.PerHour())},
            {TCostWording::Unpriced, std::to_string(costs.Unpriced)}};
}

std::string CostFigureLines(const std::vector<TCostFigure>& figures, bool german)
{
    std::string lines;
    for (const TCostFigure& figure : figures)
        lines += std::string(CostWording(figure.Caption, german)) + ":\t" + figure.Value + "\n";
    return lines;
}

}  // namespace kellvar
