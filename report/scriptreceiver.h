// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionexport.h"

#include "headlessreceiver.h"

#include "core/connectionfilter.h"

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
    // The dialled sessions that got no row, kept by the same filter.
    using TUnlistedSink = std::function<void(const TConnectionRecord&)>;

    TScriptReceiver(TConnectionFilter filter, TConnectionSink sink, TUnlistedSink unlisted = nullptr);

    // The counters, sums and last connection of the run, once it has ended.
    TSummaryValues Summary() const { return summary_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override;
    void AddUnlistedSession(const TConnectionRecord& record) override;
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void HandOnPending();

    TConnectionFilter filter_;
    TConnectionSink sink_;
    TUnlistedSink unlisted_;
    std::optional<TNumberedConnection> pending_;
    TSummaryValues summary_;
};

}  // namespace kellvar
