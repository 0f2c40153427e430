// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/analysisreceiver.h"
#include "core/chartpoints.h"
#include "core/connectiontable.h"
#include "core/summaryfigures.h"

#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// A receiver that keeps everything a run produced, for tests and benchmarks.
class TAnalysisStore : public TAnalysisReceiver {
public:
    explicit TAnalysisStore(std::string decimalSeparator = ".");

    void ClearTable() override
    {
        table_.Clear();
        records_.clear();
    }
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    // A late overrun count also goes into the record of the row it joins.
    void AppendCellToLastRow(const std::string& text) override;
    void ClearCharts() override { points_.Clear(); }
    void AddChartPoints(const TConnectionRecord& record) override { points_.Add(record); }
    void ClearLogFileMaxSizeNote() override { maxSizeNoteCleared_ = true; }
    void ShowMessage(const std::string& text, TMessageSeverity) override { messages_.push_back(text); }
    void ProcessPendingEvents() override { ++eventPumps_; }
    void ShowSummary(const TAnalysisCounters& counters) override;

    const TConnectionTable& Table() const { return table_; }
    const TChartPoints& Points() const { return points_; }
    const std::vector<TConnectionRecord>& Records() const { return records_; }
    const TAnalysisCounters& Counters() const { return counters_; }
    const TSummaryFigures& Figures() const { return figures_; }
    // The last-connection block; none when the run emitted no row.
    const std::optional<TLastConnection>& LastConnection() const { return lastConnection_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    bool MaxSizeNoteCleared() const { return maxSizeNoteCleared_; }
    int EventPumps() const { return eventPumps_; }

private:
    std::string decimalSeparator_;
    TConnectionTable table_;
    TChartPoints points_;
    std::vector<TConnectionRecord> records_;
    TAnalysisCounters counters_;
    TSummaryFigures figures_;
    std::optional<TLastConnection> lastConnection_;
    std::vector<std::string> messages_;
    bool maxSizeNoteCleared_ = false;
    int eventPumps_ = 0;
};

}  // namespace kellvar
