#pragma once

#include "core/analysisreceiver.h"
#include "core/rowtexts.h"

#include <string>
#include <vector>

namespace kellvar {

// Writes the table as "Copy Data (Table)" copies it while the run goes,
// without keeping its rows: kellvar-report's default output. Only the last
// row waits, for a late overrun count the log may still add to it.
class TTableTextReceiver : public TAnalysisReceiver {
public:
    TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions);

    // Complete once the run has shown its summary.
    const std::string& Text() const { return text_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    const TAnalysisCounters& Counters() const { return counters_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override { pending_.push_back(text); }
    void ClearCharts() override {}
    void AddChartPoints(const TConnectionRecord&) override {}
    void ClearLogFileMaxSizeNote() override {}
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    void ProcessPendingEvents() override {}
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void WritePendingRow();

    std::string decimalSeparator_;
    std::vector<std::string> captions_;
    std::string text_;
    TRowCells pending_;
    bool rowsWritten_ = false;
    std::vector<std::string> messages_;
    TAnalysisCounters counters_;
};

}  // namespace kellvar
