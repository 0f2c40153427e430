// SPDX-License-Identifier: GPL-3.0-or-later
#include "historysession.h"

namespace kellvar {

void THistorySession::ClearTable()
{
    months_ = TPeriodTotals(TPeriod::Month);
    week_ = {};
}

void THistorySession::AddConnectionRow(const TConnectionRecord& record, int32_t)
{
    if (!kept_.Holds(record))
        return;
    const std::optional<TCost> cost = tariffs_ != nullptr ? tariffs_->Price(record) : std::nullopt;
    week_.Add(record, cost);
    if (tariffs_ != nullptr)
        months_.Add(record, cost);
}

void THistorySession::AddChartPoints(const TConnectionRecord& record)
{
    if (kept_.Holds(record))
        points_.Add(record);
}

}  // namespace kellvar
