// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/costhistory.h"

#include "core/analysisreceiver.h"
#include "core/chartpoints.h"
#include "core/tariffs.h"

#include <string>
#include <vector>

namespace kellvar {

// One analysis run's connections as the charts draw them, without a window:
// the points of the four charts, the costs per month and the week's usage,
// of the connections whose connect date is kept, each priced once by the
// tariffs (none: nothing is priced). The run's messages are kept.
class THistorySession : public TAnalysisReceiver {
public:
    THistorySession(TConnectDateRange kept, const TTariffs* tariffs)
        : kept_(kept), tariffs_(tariffs), costs_(tariffs != nullptr)
    {
    }

    const TChartPoints& Points() const { return points_; }
    const TPeriodTotals& Months() const { return costs_.Months(); }
    const TWeekHourProfile& Week() const { return costs_.Week(); }
    const TAnalysisCounters& Counters() const { return counters_; }
    const std::vector<std::string>& Messages() const { return messages_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string&) override {}
    void ClearCharts() override { points_.Clear(); }
    void AddChartPoints(const TConnectionRecord& record) override;
    void ClearLogFileMaxSizeNote() override {}
    void ShowMessage(const std::string& text, TMessageSeverity) override { messages_.push_back(text); }
    void ProcessPendingEvents() override {}
    void ShowSummary(const TAnalysisCounters& counters) override { counters_ = counters; }

private:
    TConnectDateRange kept_;
    const TTariffs* tariffs_;
    TChartPoints points_;
    TCostHistory costs_;
    TAnalysisCounters counters_;
    std::vector<std::string> messages_;
};

}  // namespace kellvar
