// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionexport.h"

#include "headlessreceiver.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// A run's connections as the script outputs take them, one at a time and
// kept nowhere: each once its row is complete (a late overrun count may
// still join it), only those whose connect date lies in the range, numbered
// as in the table. Adds up the kept ones and remembers the last.
class TScriptReceiver : public THeadlessReceiver {
public:
    using TConnectionSink = std::function<void(const TNumberedConnection&)>;

    // Connect dates from since up to until (date keys, both inclusive).
    TScriptReceiver(std::optional<int32_t> since, std::optional<int32_t> until, TConnectionSink sink);

    // The counters, sums and last connection of the run, once it has ended.
    TSummaryValues Summary() const { return summary_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override;
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void HandOnPending();

    TConnectDateRange range_;
    TConnectionSink sink_;
    std::optional<TNumberedConnection> pending_;
    TSummaryValues summary_;
};

}  // namespace kellvar
