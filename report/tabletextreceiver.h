#pragma once

#include "core/analysisreceiver.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kellvar {

// Writes the table as "Copy Data (Table)" copies it while the run goes,
// without keeping its rows: kellvar-report's default output. Only the last
// row waits, for a late overrun count the log may still add to it.
class TTableTextReceiver : public TAnalysisReceiver {
public:
    TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions, std::FILE* out);

    // False once a write to the output failed.
    bool Written() const { return written_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    const TAnalysisCounters& Counters() const { return counters_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override;
    void ClearCharts() override {}
    void AddChartPoints(const TConnectionRecord&) override {}
    void ClearLogFileMaxSizeNote() override {}
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    void ProcessPendingEvents() override {}
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void FinishPendingRow();
    void Flush();

    std::string decimalSeparator_;
    std::vector<std::string> captions_;
    std::FILE* out_;
    bool written_ = true;
    std::string text_;  // finished lines not yet written
    std::string pendingRow_;
    size_t pendingCells_ = 0;
    bool rowsWritten_ = false;
    std::vector<std::string> messages_;
    TAnalysisCounters counters_;
};

}  // namespace kellvar
