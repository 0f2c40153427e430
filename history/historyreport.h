// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/periodspans.h"
#include "core/tariffs.h"
#include "core/usagelimits.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kellvar {

// What the window asks of the HTML report after a quiet run: the history's
// report in its folder, with the window's limits, periods and tariffs.
struct THistoryReportRequest {
    std::string Folder;
    // The history (or the log) to report on, and its size.
    std::string Log;
    int64_t LogBytes = 0;
    std::vector<TLimit> Limits;
    TPeriodRules Periods;
    const TTariffs* Tariffs = nullptr;
    bool German = false;
    std::string DecimalSeparator;
    // The day whose periods the limits check (a day number).
    int64_t Today = 0;
};

struct THistoryReportResult {
    bool Written = false;
    // The file that ended a failed run, and why.
    std::string FailedFile;
    std::string FailureReason;
};

// The report's writer as the window is handed it by its program: the window
// shows the history and leaves the writing of reports to the report.
using THistoryReportWriter = std::function<THistoryReportResult(const THistoryReportRequest&)>;

}  // namespace kellvar
