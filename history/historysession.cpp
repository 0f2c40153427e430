// SPDX-License-Identifier: GPL-3.0-or-later
#include "historysession.h"

namespace kellvar {

void THistorySession::ClearTable()
{
    costs_ = TCostHistory(tariffs_ != nullptr);
}

void THistorySession::AddConnectionRow(const TConnectionRecord& record, int32_t)
{
    if (!kept_.Holds(record))
        return;
    costs_.Add(record, tariffs_ != nullptr ? tariffs_->Price(record) : std::nullopt);
}

void THistorySession::AddChartPoints(const TConnectionRecord& record)
{
    if (kept_.Holds(record))
        points_.Add(record);
}

}  // namespace kellvar
