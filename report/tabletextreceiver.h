// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputstream.h"

#include "headlessreceiver.h"

#include "core/connectionfilter.h"

#include "core/tariffs.h"

#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// Writes the table as "Copy Data (Table)" copies it while the run goes,
// without keeping its rows: kellvar-report's default output. Only the last
// row waits, for a late overrun count the log may still add to it.
class TTableTextReceiver : public THeadlessReceiver {
public:
    // Only the rows the filter holds are written.
    // With tariffs, every row ends in its "Costs" and "Tariff" cells, after
    // the overrun column (empty where the log gave no count).
    TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions, TOutputStream& output,
                       TConnectionFilter filter = {}, const TTariffs* tariffs = nullptr);

    const TAnalysisCounters& Counters() const { return counters_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override;
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void FinishPendingRow();

    std::string decimalSeparator_;
    std::vector<std::string> captions_;
    TOutputStream& output_;
    TConnectionFilter filter_;
    const TTariffs* tariffs_;
    std::string pendingRow_;
    std::string pendingCost_;
    // The last row lies outside the dates kept.
    bool skipping_ = false;
    size_t pendingCells_ = 0;
    bool rowsWritten_ = false;
    TAnalysisCounters counters_;
};

}  // namespace kellvar
