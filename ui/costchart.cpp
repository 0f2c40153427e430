// SPDX-License-Identifier: GPL-3.0-or-later
#include "costchart.h"

#include "chart.h"
#include "layouthelpers.h"

#include "lang/costtexts.h"

namespace kellvar {

TChart* NewCostChart()
{
    return new TChart("CostChart", {{"CostSeries", ChartBlue}}, {}, TChart::TPointAxis::Named);
}

void ApplyCostChartTexts(TChart& chart, bool german, const TTariff* money)
{
    chart.chart()->setTitle(UiText(CostWording(TCostWording::CostsPerMonth, german)));
    chart.Series(0)->setName(UiText(CostWording(TCostWording::Costs, german)));
    chart.LeftAxis()->setTitleText(money != nullptr ? UiText(money->Currency()) : QString());
    chart.BottomAxis()->setTitleText(UiText(CostWording(TCostWording::Month, german)));
}

void ShowMonthCosts(TChart& chart, const TPeriodTotals& months, const TTariff& money)
{
    int64_t perSmallest = 1;
    for (int32_t i = 0; i < money.Decimals(); ++i)
        perSmallest *= 10;
    std::vector<double> perMonth;
    std::vector<QString> names;
    for (const TPeriodTotal& month : months.Periods()) {
        perMonth.push_back(static_cast<double>(month.Costs.Amount) / static_cast<double>(perSmallest));
        names.push_back(QString::fromStdString(month.Period));
    }
    chart.SetSourceValues({&perMonth}, TChart::TTrends::AsTheyAre);
    chart.SetPointNames(std::move(names));
}

}  // namespace kellvar
