// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/periodsums.h"
#include "core/tariff.h"

namespace kellvar {

class TChart;

// The chart of the cost per month, as the Costs page and kellvar-report
// --chart=costs draw it: made, worded, and given the months' costs in the
// currency's units (not its smallest), each point named by its month.
TChart* NewCostChart();
void ApplyCostChartTexts(TChart& chart, bool german, const TTariff* money);
void ShowMonthCosts(TChart& chart, const TPeriodTotals& months, const TTariff& money);

}  // namespace kellvar
